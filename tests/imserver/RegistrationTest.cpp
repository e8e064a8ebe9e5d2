// Self-registration in the test prefix's registry, directly and through Wine's regsvr32.
#include "tests/imserver/ImServerHarness.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t ClassKey[] = L"CLSID\\{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";

bool ClassKeyExists() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, ClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The default value of a key below the class key, "<missing>" or "<not a string>".
std::wstring DefaultValue(const std::wstring& subkey) {
    const std::wstring path = subkey.empty() ? ClassKey : std::wstring(ClassKey) + L"\\" + subkey;
    wchar_t text[128] = {};
    DWORD type = 0;
    DWORD bytes = sizeof(text);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_ANY, &type, text, &bytes) !=
        ERROR_SUCCESS)
        return L"<missing>";
    if (type != REG_SZ || bytes != (wcslen(text) + 1) * sizeof(wchar_t))
        return L"<not a string>";
    return text;
}

void ExpectRegistered() {
    EXPECT_EQ(DefaultValue(L""), L"Plinkerpad");
    EXPECT_EQ(DefaultValue(L"InProcServer32"), L"\\Windows\\Plinkerpad.dll");
    EXPECT_EQ(DefaultValue(L"DefaultIcon"), L"\\Windows\\Plinkerpad.dll,0");
    EXPECT_EQ(DefaultValue(L"IsSIPInputMethod"), L"1");
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dll.Module, nullptr);
        Unregister();
    }
    void TearDown() override { Unregister(); }
    HRESULT Register() const { return dll.Call("DllRegisterServer"); }
    HRESULT Unregister() const { return dll.Call("DllUnregisterServer"); }
    PlinkerpadDll dll;
};

TEST_F(Registration, RegisteringTwiceWritesTheSameFourKeys) {
    ASSERT_EQ(Register(), S_OK);
    ExpectRegistered();
    ASSERT_EQ(Register(), S_OK);
    ExpectRegistered();
}

TEST_F(Registration, UnregisteringRemovesEverythingAndFailsTheSecondTime) {
    ASSERT_EQ(Register(), S_OK);
    EXPECT_EQ(Unregister(), S_OK);
    EXPECT_FALSE(ClassKeyExists());
    EXPECT_EQ(Unregister(), E_FAIL);
    // A class key with only some of its subkeys goes as well.
    ASSERT_EQ(Register(), S_OK);
    RegDeleteKeyW(HKEY_CLASSES_ROOT, (std::wstring(ClassKey) + L"\\DefaultIcon").c_str());
    EXPECT_EQ(Unregister(), S_OK);
    EXPECT_FALSE(ClassKeyExists());
}

TEST_F(Registration, WinesRegsvr32RegistersAndUnregistersTheBuiltLibrary) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(dll.Module, path, MAX_PATH), 0u);
    const std::wstring library = L" \"" + std::wstring(path) + L"\"";
    ASSERT_EQ(_wsystem((L"regsvr32.exe /s" + library).c_str()), 0);
    ExpectRegistered();
    ASSERT_EQ(_wsystem((L"regsvr32.exe /u /s" + library).c_str()), 0);
    EXPECT_FALSE(ClassKeyExists());
}

} // namespace
