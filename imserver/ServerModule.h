// Module-wide identity and counters of the in-process server.
#pragma once

#include "foundation/ClassId.h"

#include <windows.h>

// Live InputMethod objects plus server locks; the library may unload when it is 0.
extern LONG ModuleObjectCount;
