#include "keyboard/ModuleInstance.h"

HINSTANCE ModuleInstance = nullptr;
