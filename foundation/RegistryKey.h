// RegistryKey: one open key of the platform registry, its string values and its subkeys.
#pragma once

#include "foundation/OwnedHandle.h"

#include <string>

class RegistryKey {
public:
    enum Opening {
        OpenOrCreate, // where a value is written
        ReadOnly,     // leaves an absent key absent
    };

    // The path may start with a backslash, as the device writes its paths.
    RegistryKey(HKEY root, const std::wstring& path, Opening opening = OpenOrCreate);
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    virtual ~RegistryKey() = default;

    // False when opening failed: reads give their defaults, writes fail.
    explicit operator bool() const { return static_cast<bool>(key); }

    // The named value as text up to its first null character; the default when the key or the
    // value is missing or the value is larger than 8192 bytes.
    std::wstring ReadString(const std::wstring& name, const std::wstring& defaultText) const;
    // Stores a string value with its terminating null.
    bool WriteString(const std::wstring& name, const std::wstring& text);
    // Deliver the name of subkey 0, then of the next one; false (name untouched) at the end.
    bool FirstSubkey(std::wstring& name);
    bool NextSubkey(std::wstring& name);

private:
    bool SubkeyAt(std::wstring& name) const;

    OwnedKey key;
    int position = 0;
};
