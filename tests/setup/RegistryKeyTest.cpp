// RegistryKey over the test prefix's real registry.
#include "foundation/RegistryKey.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t TestKey[] = L"Software\\PlinkerpadTest";

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestKey); }

    static bool Exists(const std::wstring& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    static void SetRaw(const wchar_t* name, const std::wstring& data) {
        RegSetKeyValueW(HKEY_CURRENT_USER, TestKey, name, REG_SZ, data.data(),
                        static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    }
};

TEST_F(RegistryKeyTest, LeadingBackslashIsDroppedAndTheKeyCreated) {
    RegistryKey key(HKEY_CURRENT_USER, L"\\Software\\PlinkerpadTest\\Sip");
    EXPECT_TRUE(key.WriteString(L"DefaultIM", L"{ABC}"));
    EXPECT_TRUE(Exists(L"Software\\PlinkerpadTest\\Sip"));
    EXPECT_EQ(
        RegistryKey(HKEY_CURRENT_USER, L"Software\\PlinkerpadTest\\Sip", RegistryKey::ReadOnly)
            .ReadString(L"DefaultIM", L"none"),
        L"{ABC}");
}

TEST_F(RegistryKeyTest, ReadOnlyOpeningLeavesAnAbsentKeyAbsent) {
    RegistryKey key(HKEY_CURRENT_USER, L"\\Software\\PlinkerpadTest\\Absent",
                    RegistryKey::ReadOnly);
    EXPECT_EQ(key.ReadString(L"", L"fallback"), L"fallback");
    EXPECT_FALSE(key.WriteString(L"Value", L"text"));
    std::wstring name = L"untouched";
    EXPECT_FALSE(key.FirstSubkey(name));
    EXPECT_EQ(name, L"untouched");
    EXPECT_FALSE(Exists(L"Software\\PlinkerpadTest\\Absent"));
}

TEST_F(RegistryKeyTest, StringValuesByTheirStoredSize) {
    RegistryKey key(HKEY_CURRENT_USER, TestKey);
    EXPECT_EQ(key.ReadString(L"Missing", L"default"), L"default");
    SetRaw(L"NoNull", L"abc"); // stored without a terminating null
    EXPECT_EQ(key.ReadString(L"NoNull", L""), L"abc");
    SetRaw(L"Inner", std::wstring(L"ab\0cd", 5));
    EXPECT_EQ(key.ReadString(L"Inner", L""), L"ab");
    const std::wstring longest(4095, L'x'); // 8192 bytes with the null
    key.WriteString(L"Longest", longest);
    EXPECT_EQ(key.ReadString(L"Longest", L""), longest);
    key.WriteString(L"TooLong", std::wstring(5000, L'y'));
    EXPECT_EQ(key.ReadString(L"TooLong", L"default"), L"default");
}

TEST_F(RegistryKeyTest, EmptyTextIsStoredAsTheNullAlone) {
    RegistryKey key(HKEY_CURRENT_USER, TestKey);
    ASSERT_TRUE(key.WriteString(L"Empty", L""));
    DWORD type = 0;
    DWORD size = 0;
    RegGetValueW(HKEY_CURRENT_USER, TestKey, L"Empty", RRF_RT_ANY, &type, nullptr, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(key.ReadString(L"Empty", L"default"), L"");
}

TEST_F(RegistryKeyTest, SubkeysAreEnumeratedUntilFalse) {
    RegistryKey key(HKEY_CURRENT_USER, TestKey);
    std::wstring name = L"untouched";
    EXPECT_FALSE(key.FirstSubkey(name));
    EXPECT_EQ(name, L"untouched");
    RegistryKey(HKEY_CURRENT_USER, std::wstring(TestKey) + L"\\One");
    RegistryKey(HKEY_CURRENT_USER, std::wstring(TestKey) + L"\\Two");
    std::wstring names;
    for (bool more = key.FirstSubkey(name); more; more = key.NextSubkey(name)) {
        names += name + L";";
    }
    EXPECT_EQ(names, L"One;Two;");
    EXPECT_FALSE(key.NextSubkey(name));
    EXPECT_EQ(name, L"Two");
    EXPECT_TRUE(key.FirstSubkey(name));
    EXPECT_EQ(name, L"One");
}

} // namespace
