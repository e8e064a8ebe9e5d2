#include "imserver/Registration.h"

#include "foundation/ClassId.h"
#include "foundation/RegistryKey.h"

#include <iterator>
#include <string>

namespace {

std::wstring EntryPath(const RegistryEntry& entry) {
    std::wstring path = ClassKeyPath();
    if (*entry.Subkey != L'\0')
        path += std::wstring(L"\\") + entry.Subkey;
    return path;
}

} // namespace

// The library is expected at its install location, wherever it was loaded from.
const RegistryEntry ServerRegistryEntries[4] = {
    {L"", L"Plinkerpad"},
    {L"InProcServer32", L"\\Windows\\Plinkerpad.dll"},
    {L"DefaultIcon", L"\\Windows\\Plinkerpad.dll,0"},
    {L"IsSIPInputMethod", L"1"},
};

std::wstring ClassKeyPath() {
    return L"CLSID\\" + ClassIdText(CLSID_Plinkerpad);
}

// Only the class key is checked: once it exists, registration succeeds.
HRESULT RegisterServer() {
    RegistryKey classKey(HKEY_CLASSES_ROOT, ClassKeyPath());
    if (!classKey)
        return E_FAIL;
    for (const RegistryEntry& entry : ServerRegistryEntries)
        RegistryKey(HKEY_CLASSES_ROOT, EntryPath(entry)).WriteString(L"", entry.Value);
    return S_OK;
}

// Key deletion is not recursive on every system: the subkeys go first, the class key last, and
// its deletion decides the result.
HRESULT UnregisterServer() {
    LSTATUS status = ERROR_SUCCESS;
    for (auto entry = std::rbegin(ServerRegistryEntries); entry != std::rend(ServerRegistryEntries);
         ++entry)
        status = RegDeleteKeyW(HKEY_CLASSES_ROOT, EntryPath(*entry).c_str());
    return status == ERROR_SUCCESS ? S_OK : E_FAIL;
}
