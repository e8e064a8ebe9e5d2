// Module-wide identity and counters of the in-process server.
#pragma once

#include <windows.h>

// {9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}
inline constexpr CLSID CLSID_Plinkerpad = {
    0x9B1C7E42, 0x5D3A, 0x4F60, {0x8E, 0x21, 0xC4, 0x7A, 0x0B, 0x93, 0xD6, 0x15}};
inline constexpr wchar_t ClassIdText[] = L"{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";

// Live InputMethod objects plus server locks; the library may unload when it is 0.
extern LONG ModuleObjectCount;
