#include "platform/ImRegistry.h"

#include <vector>

namespace {

class OpenKey {
public:
    OpenKey(HKEY root, const wchar_t* devicePath) {
        if (RegOpenKeyExW(root, RegistryPath(devicePath).c_str(), 0, KEY_READ, &key_) !=
            ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::wstring ReadString(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (key == nullptr ||
        RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::wstring();
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(text.data());
}

// Only the braced form "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" names a class.
bool ParseClassId(const std::wstring& text, CLSID* clsid) {
    return !text.empty() && text.front() == L'{' &&
           IIDFromString(const_cast<wchar_t*>(text.c_str()), clsid) == S_OK;
}

} // namespace

std::wstring RegistryPath(const wchar_t* devicePath) {
    return devicePath[0] == L'\\' ? std::wstring(devicePath + 1) : std::wstring(devicePath);
}

std::wstring ReadDefaultIm() {
    OpenKey sip(HKEY_CURRENT_USER, SipKeyPath);
    return ReadString(sip.Get(), DefaultImValue);
}

bool ChooseInputMethod(const std::wstring& commandLineId, CLSID* clsid) {
    if (!commandLineId.empty())
        return ParseClassId(commandLineId, clsid);
    return ParseClassId(ReadDefaultIm(), clsid) || ParseClassId(PlinkerpadClassId, clsid);
}
