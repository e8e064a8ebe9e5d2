// Self-registration as a COM class and soft input panel input method, written as data.
#pragma once

#include <windows.h>

#include <string>

// One key below the class key ("" is the class key itself) and its default string value.
struct RegistryEntry {
    const wchar_t* Subkey;
    const wchar_t* Value;
};

// What registration writes, class key first.
extern const RegistryEntry ServerRegistryEntries[4];

// "CLSID\{...}" below HKEY_CLASSES_ROOT.
std::wstring ClassKeyPath();

HRESULT RegisterServer();
HRESULT UnregisterServer();
