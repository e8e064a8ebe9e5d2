// The module that holds the key pictures: the input method library, or a test program that has
// the same resources compiled in. Set by whoever owns the module before the keyboards are built.
#pragma once

#include <windows.h>

extern HINSTANCE ModuleInstance;
