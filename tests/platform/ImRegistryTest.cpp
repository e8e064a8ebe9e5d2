#include "platform/ImRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t OtherClassId[] = L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}";

std::wstring Text(const CLSID& clsid) {
    wchar_t text[40] = L"";
    StringFromGUID2(clsid, text, 40);
    return text;
}

// Sets or removes "DefaultIM" for one test and puts back what was there.
class DefaultImTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = ReadDefaultIm();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Sip", 0, nullptr, 0,
                                  KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (saved_.empty())
            RegDeleteValueW(key_, DefaultImValue);
        else
            SetDefaultIm(saved_.c_str());
        RegCloseKey(key_);
    }
    void SetDefaultIm(const wchar_t* id) {
        RegSetValueExW(key_, DefaultImValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(id),
                       static_cast<DWORD>((wcslen(id) + 1) * sizeof(wchar_t)));
    }
    std::wstring Chosen(const std::wstring& commandLine) {
        CLSID clsid{};
        EXPECT_TRUE(ChooseInputMethod(commandLine, &clsid));
        return Text(clsid);
    }

    HKEY key_ = nullptr;
    std::wstring saved_;
};

TEST(ImRegistryPath, DropsTheDeviceLeadingBackslashOnly) {
    EXPECT_EQ(RegistryPath(SipKeyPath), L"ControlPanel\\Sip");
    EXPECT_EQ(RegistryPath(L"ControlPanel\\Sip"), L"ControlPanel\\Sip");
    EXPECT_EQ(RegistryPath(L"\\\\Twice"), L"\\Twice");
}

TEST_F(DefaultImTest, DefaultImOfTheDevicePathIsRead) {
    SetDefaultIm(OtherClassId);
    EXPECT_EQ(ReadDefaultIm(), OtherClassId);
    EXPECT_EQ(Chosen(L""), OtherClassId);
}

TEST_F(DefaultImTest, CommandLineClassIdWins) {
    SetDefaultIm(OtherClassId);
    EXPECT_EQ(Chosen(L"{9b1c7e42-5d3a-4f60-8e21-c47a0b93d615}"), PlinkerpadClassId);
}

TEST_F(DefaultImTest, WithoutDefaultImPlinkerpadIsLoaded) {
    RegDeleteValueW(key_, DefaultImValue);
    EXPECT_EQ(ReadDefaultIm(), L"");
    EXPECT_EQ(Chosen(L""), PlinkerpadClassId);
}

TEST_F(DefaultImTest, DefaultImThatIsNoClassIdFallsBackToPlinkerpad) {
    for (const wchar_t* bad :
         {L"", L"Plinkerpad", L"{12345678-9ABC}", L"12345678-9ABC-DEF0-1234-56789ABCDEF0"}) {
        SetDefaultIm(bad);
        EXPECT_EQ(Chosen(L""), PlinkerpadClassId) << bad;
    }
}

TEST_F(DefaultImTest, CommandLineTextThatIsNoClassIdIsRefused) {
    SetDefaultIm(OtherClassId);
    CLSID clsid{};
    EXPECT_FALSE(ChooseInputMethod(L"Plinkerpad", &clsid));
    EXPECT_FALSE(ChooseInputMethod(L"{9B1C7E42-5D3A-4F60-8E21}", &clsid));
}

} // namespace
