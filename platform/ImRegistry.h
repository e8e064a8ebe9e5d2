// Which input method the input panel loads: the device keeps the class ID of its default input
// method in the registry.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

// Plinkerpad's own class, loaded when nothing else is named.
inline constexpr wchar_t PlinkerpadClassId[] = L"{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";
// The device's key of the default input method, below HKEY_CURRENT_USER (RegistryKey drops
// the leading backslash), and its value.
inline constexpr wchar_t SipKeyPath[] = L"\\ControlPanel\\Sip";
inline constexpr wchar_t DefaultImValue[] = L"DefaultIM";

// The "DefaultIM" string of the current user; empty when there is none.
std::wstring ReadDefaultIm();

// The class to load. A class ID given on the command line wins (false when the text is no
// class ID); else "DefaultIM" when it holds one; else Plinkerpad's own.
bool ChooseInputMethod(const std::wstring& commandLineId, CLSID* clsid);
