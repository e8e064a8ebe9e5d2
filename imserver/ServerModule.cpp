#include "imserver/ServerModule.h"

LONG ModuleObjectCount = 0;
