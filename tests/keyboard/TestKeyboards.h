// Shared by the keyboard tests.
#pragma once

#include <string>

// Builds the keyboards once per process from this program's own resources (the key pictures
// are compiled into it).
void BuildTestKeyboards();

// The decimal separator this run expects: KEYBOARD_TEST_EXPECTED_SEPARATOR, else ".".
std::wstring ExpectedDecimalSeparator();
