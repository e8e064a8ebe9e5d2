// Which input method the input panel loads: the device keeps the class ID of its default input
// method in the registry.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

// The "DefaultIM" string of the current user; empty when there is none.
std::wstring ReadDefaultIm();

// The class to load. A class ID given on the command line wins (false when the text is no
// class ID); else "DefaultIM" when it holds one; else Plinkerpad's own.
bool ChooseInputMethod(const std::wstring& commandLineId, CLSID* clsid);
