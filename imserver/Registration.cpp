#include "imserver/Registration.h"

#include "imserver/ServerModule.h"

#include <iterator>
#include <string>

namespace {

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (handle != nullptr)
            RegCloseKey(handle);
    }
    // Access 0 yields a handle that cannot set values on Wine: ask for read and write.
    bool Create(HKEY parent, const std::wstring& path) {
        return RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                               &handle, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return handle; }

private:
    HKEY handle = nullptr;
};

void SetDefaultValue(HKEY key, const wchar_t* value) {
    const DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
}

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
    return std::wstring(L"CLSID\\") + ClassIdText;
}

// Only the class key is checked: once it exists, registration succeeds.
HRESULT RegisterServer() {
    RegKey classKey;
    if (!classKey.Create(HKEY_CLASSES_ROOT, ClassKeyPath()))
        return E_FAIL;
    for (const RegistryEntry& entry : ServerRegistryEntries) {
        RegKey key;
        if (key.Create(HKEY_CLASSES_ROOT, EntryPath(entry)))
            SetDefaultValue(key.Get(), entry.Value);
    }
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
