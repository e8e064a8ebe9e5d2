#include "foundation/RegistryKey.h"

namespace {

constexpr DWORD ValueBufferBytes = 8192;
constexpr DWORD NameBufferChars = 260;

// The registry refuses paths that start with a backslash (ERROR_BAD_PATHNAME).
std::wstring RelativePath(const std::wstring& path) {
    return !path.empty() && path[0] == L'\\' ? path.substr(1) : path;
}

} // namespace

RegistryKey::RegistryKey(HKEY root, const std::wstring& path, Opening opening) {
    const std::wstring relative = RelativePath(path);
    HKEY opened = nullptr;
    LSTATUS status = opening == ReadOnly
                         ? RegOpenKeyExW(root, relative.c_str(), 0, KEY_READ, &opened)
                         // Values can be set only through a handle opened for writing.
                         : RegCreateKeyExW(root, relative.c_str(), 0, nullptr, 0,
                                           KEY_READ | KEY_WRITE, nullptr, &opened, nullptr);
    if (status == ERROR_SUCCESS) {
        key.Attach(opened);
    }
}

std::wstring RegistryKey::ReadString(const std::wstring& name,
                                     const std::wstring& defaultText) const {
    DWORD size = 0;
    if (!key ||
        RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return defaultText;
    }
    std::wstring buffer(ValueBufferBytes / sizeof(wchar_t), L'\0');
    size = ValueBufferBytes;
    if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer[0]),
                         &size) != ERROR_SUCCESS) {
        return defaultText;
    }
    // Only the returned size holds the value, which need not end in a null.
    buffer.resize(size / sizeof(wchar_t));
    return buffer.substr(0, buffer.find(L'\0'));
}

bool RegistryKey::WriteString(const std::wstring& name, const std::wstring& text) {
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return key &&
           RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool RegistryKey::FirstSubkey(std::wstring& name) {
    position = 0;
    return SubkeyAt(name);
}

bool RegistryKey::NextSubkey(std::wstring& name) {
    ++position;
    return SubkeyAt(name);
}

bool RegistryKey::SubkeyAt(std::wstring& name) const {
    wchar_t buffer[NameBufferChars];
    DWORD length = NameBufferChars;
    if (!key || RegEnumKeyExW(key, position, buffer, &length, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS) {
        return false;
    }
    name.assign(buffer, length);
    return true;
}
