// Plinkerpad's COM class identifier: served by the library, registered under
// HKEY_CLASSES_ROOT\CLSID, loaded by the input panel when nothing else is named.
#pragma once

#include <windows.h>

#include <string>

// {9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}
inline constexpr CLSID CLSID_Plinkerpad = {
    0x9B1C7E42, 0x5D3A, 0x4F60, {0x8E, 0x21, 0xC4, 0x7A, 0x0B, 0x93, 0xD6, 0x15}};

// The registry's text form of a class identifier: upper case, in braces.
std::wstring ClassIdText(const CLSID& clsid);
