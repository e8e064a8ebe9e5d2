// Shared by the keyboard tests: builds the keyboards from this program's own resources.
#pragma once

#include <string>

// Builds the keyboards once per process, with ModuleInstance = this program (the key pictures
// are compiled into it).
void BuildTestKeyboards();

// The decimal separator this run expects: KEYBOARD_TEST_EXPECTED_SEPARATOR, else ".".
std::wstring ExpectedDecimalSeparator();
