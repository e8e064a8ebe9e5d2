// Module-wide identity and counters of the in-process server.
#pragma once

#include "foundation/ClassId.h"

#include <windows.h>

// Live InputMethod objects, and server locks held (never below 0): the library may unload only
// when both are 0, so an unbalanced unlock cannot free a library whose objects live.
extern LONG ModuleObjectCount;
extern LONG ModuleLockCount;
