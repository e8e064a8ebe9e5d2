// Self-registration in the test prefix's registry.
#include "tests/support/ImServerHarness.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t ClassKey[] = L"CLSID\\{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";

// The default value of a key below the class key, "<missing>" or "<not a string>".
std::wstring DefaultValue(const std::wstring& subkey) {
    const std::wstring path = subkey.empty() ? ClassKey : std::wstring(ClassKey) + L"\\" + subkey;
    wchar_t text[128] = {};
    DWORD type = 0, bytes = sizeof(text);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_ANY, &type, text, &bytes) !=
        ERROR_SUCCESS)
        return L"<missing>";
    if (type != REG_SZ || bytes != (wcslen(text) + 1) * sizeof(wchar_t))
        return L"<not a string>";
    return text;
}

// The class key's four entries as registration writes them, or all of them missing.
void ExpectRegistered(bool registered) {
    const std::pair<const wchar_t*, const wchar_t*> entries[] = {
        {L"", L"Plinkerpad"},
        {L"InProcServer32", L"\\Windows\\Plinkerpad.dll"},
        {L"DefaultIcon", L"\\Windows\\Plinkerpad.dll,0"},
        {L"IsSIPInputMethod", L"1"}};
    for (const auto& [subkey, value] : entries)
        EXPECT_EQ(DefaultValue(subkey), registered ? value : L"<missing>") << subkey;
}

// Through Wine's regsvr32, as an installer would: registering twice writes the same entries;
// unregistering removes them all, even with one already gone, and fails when nothing is left.
TEST(Registration, Regsvr32RegistersAndUnregistersTheBuiltLibrary) {
    PlinkerpadDll dll;
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(dll.Module, path, MAX_PATH), 0u);
    const auto regsvr32 = [&](const std::wstring& options) {
        return _wsystem((L"regsvr32.exe /s " + options + L"\"" + path + L"\"").c_str());
    };
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(regsvr32(L""), 0);
        ExpectRegistered(true);
    }
    RegDeleteKeyW(HKEY_CLASSES_ROOT, (std::wstring(ClassKey) + L"\\DefaultIcon").c_str());
    EXPECT_EQ(regsvr32(L"/u "), 0);
    ExpectRegistered(false);
    EXPECT_EQ(dll.Call("DllUnregisterServer"), E_FAIL);
}

} // namespace
