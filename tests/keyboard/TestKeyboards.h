// Shared by the keyboard tests.
#pragma once

#include "keyboard/BuildKeyboards.h"
#include "keyboard/ModuleInstance.h"

// Builds the keyboards once per process from this program's own resources (the key pictures
// are compiled into it).
inline void BuildTestKeyboards() {
    ModuleInstance = GetModuleHandleW(nullptr);
    BuildKeyboards();
}
