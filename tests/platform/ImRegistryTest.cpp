#include "platform/inputpanel/ImRegistry.h"

#include "tests/support/Identity.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t OtherClassId[] = L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}";

// Sets or removes "DefaultIM" (written where the device keeps it) and puts back what was there.
class DefaultImTest : public testing::Test {
protected:
    void SetUp() override { saved_ = ReadDefaultIm(); }
    void TearDown() override { SetDefaultIm(saved_.empty() ? nullptr : saved_.c_str()); }
    static void SetDefaultIm(const wchar_t* id) {
        if (id == nullptr)
            RegDeleteKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName);
        else
            RegSetKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName, REG_SZ, id,
                            static_cast<DWORD>((wcslen(id) + 1) * sizeof(wchar_t)));
    }

    std::wstring saved_;
};

TEST_F(DefaultImTest, CommandLineClassIdWinsThenDefaultImThenPlinkerpad) {
    const struct {
        const wchar_t* defaultIm; // nullptr: no value
        const wchar_t* commandLine;
        const wchar_t* chosen; // nullptr: refused
    } cases[] = {
        {OtherClassId, L"", OtherClassId},
        {OtherClassId, L"{9b1c7e42-5d3a-4f60-8e21-c47a0b93d615}", PlinkerpadClassId},
        {nullptr, L"", PlinkerpadClassId},
        {L"", L"", PlinkerpadClassId},
        {L"Plinkerpad", L"", PlinkerpadClassId},
        {L"{12345678-9ABC}", L"", PlinkerpadClassId},
        {L"12345678-9ABC-DEF0-1234-56789ABCDEF0", L"", PlinkerpadClassId},
        {OtherClassId, L"Plinkerpad", nullptr},
        {OtherClassId, L"{9B1C7E42-5D3A-4F60-8E21}", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "DefaultIM " << (c.defaultIm ? c.defaultIm : L"none")
                                        << ", command line " << c.commandLine);
        SetDefaultIm(c.defaultIm);
        CLSID clsid{};
        ASSERT_EQ(ChooseInputMethod(c.commandLine, &clsid), c.chosen != nullptr);
        wchar_t text[40] = L"";
        StringFromGUID2(clsid, text, 40);
        if (c.chosen != nullptr) {
            EXPECT_STREQ(text, c.chosen);
        }
    }
}

} // namespace
