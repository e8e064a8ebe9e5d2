#include "imserver/ServerModule.h"

LONG ModuleObjectCount = 0;
LONG ModuleLockCount = 0;
