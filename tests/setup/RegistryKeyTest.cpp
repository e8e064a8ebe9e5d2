// RegistryKey over the test prefix's real registry.
#include "foundation/RegistryKey.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

const std::wstring TestKey = L"Software\\PlinkerpadTest";

bool Exists(const std::wstring& path) {
    HKEY key = nullptr;
    const bool opened = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == 0;
    RegCloseKey(key);
    return opened;
}

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestKey.c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestKey.c_str()); }
};

TEST_F(RegistryKeyTest, LeadingBackslashIsDroppedAndReadOnlyCreatesNothing) {
    RegistryKey absent(HKEY_CURRENT_USER, L"\\" + TestKey + L"\\Sip", RegistryKey::ReadOnly);
    EXPECT_EQ(absent.ReadString(L"", L"fallback"), L"fallback");
    EXPECT_FALSE(absent.WriteString(L"Value", L"text"));
    std::wstring name = L"untouched";
    EXPECT_FALSE(absent.FirstSubkey(name));
    EXPECT_EQ(name, L"untouched");
    EXPECT_FALSE(Exists(TestKey));

    EXPECT_TRUE(RegistryKey(HKEY_CURRENT_USER, L"\\" + TestKey + L"\\Sip")
                    .WriteString(L"DefaultIM", L"{ABC}"));
    EXPECT_EQ(RegistryKey(HKEY_CURRENT_USER, TestKey + L"\\Sip", RegistryKey::ReadOnly)
                  .ReadString(L"DefaultIM", L"none"),
              L"{ABC}");
}

TEST_F(RegistryKeyTest, StringValuesByTheirStoredSize) {
    RegistryKey key(HKEY_CURRENT_USER, TestKey);
    EXPECT_EQ(key.ReadString(L"Missing", L"default"), L"default");
    // Stored without a terminating null: read up to the size, or up to an inner null.
    for (const auto& [stored, read] : {std::make_pair(std::wstring(L"abc"), L"abc"),
                                       std::make_pair(std::wstring(L"ab\0cd", 5), L"ab")}) {
        RegSetKeyValueW(HKEY_CURRENT_USER, TestKey.c_str(), L"Raw", REG_SZ, stored.data(),
                        static_cast<DWORD>(stored.size() * sizeof(wchar_t)));
        EXPECT_EQ(key.ReadString(L"Raw", L""), read);
    }
    const std::wstring longest(4095, L'x'); // 8192 bytes with the null
    key.WriteString(L"Longest", longest);
    EXPECT_EQ(key.ReadString(L"Longest", L""), longest);
    key.WriteString(L"TooLong", std::wstring(5000, L'y'));
    EXPECT_EQ(key.ReadString(L"TooLong", L"default"), L"default");

    ASSERT_TRUE(key.WriteString(L"Empty", L""));
    DWORD type = 0, size = 0;
    RegGetValueW(HKEY_CURRENT_USER, TestKey.c_str(), L"Empty", RRF_RT_ANY, &type, nullptr, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2u); // the null alone
    EXPECT_EQ(key.ReadString(L"Empty", L"default"), L"");
}

TEST_F(RegistryKeyTest, SubkeysAreEnumeratedUntilFalse) {
    RegistryKey key(HKEY_CURRENT_USER, TestKey);
    std::wstring name = L"untouched";
    EXPECT_FALSE(key.FirstSubkey(name));
    EXPECT_EQ(name, L"untouched");
    RegistryKey(HKEY_CURRENT_USER, TestKey + L"\\One");
    RegistryKey(HKEY_CURRENT_USER, TestKey + L"\\Two");
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
