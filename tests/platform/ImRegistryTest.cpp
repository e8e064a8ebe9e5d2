#include "platform/inputpanel/ImRegistry.h"

#include "tests/support/Identity.h"

#include <gtest/gtest.h>

namespace {

void SetDefaultIm(const std::wstring& id) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName);
    if (!id.empty())
        RegSetKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName, REG_SZ, id.c_str(),
                        static_cast<DWORD>((id.size() + 1) * sizeof(wchar_t)));
}

// With "DefaultIM" set or removed where the device keeps it (and put back after), the panel
// loads the class of its command line, else DefaultIM's when that is a class ID, else
// Plinkerpad. The refused command lines are tried end to end.
TEST(ImRegistry, CommandLineClassIdWinsThenDefaultImThenPlinkerpad) {
    const std::wstring saved = ReadDefaultIm();
    constexpr wchar_t Other[] = L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}";
    const struct {
        const wchar_t* defaultIm; // empty: no value
        const wchar_t* commandLine;
        const wchar_t* chosen;
    } cases[] = {
        {Other, L"", Other},
        {Other, L"{9b1c7e42-5d3a-4f60-8e21-c47a0b93d615}", PlinkerpadClassId},
        {L"", L"", PlinkerpadClassId},
        {L"Plinkerpad", L"", PlinkerpadClassId},
        {L"{12345678-9ABC}", L"", PlinkerpadClassId},
        {L"12345678-9ABC-DEF0-1234-56789ABCDEF0", L"", PlinkerpadClassId},
    };
    for (const auto& c : cases) {
        SetDefaultIm(c.defaultIm);
        CLSID clsid{};
        EXPECT_TRUE(ChooseInputMethod(c.commandLine, &clsid));
        wchar_t text[40] = L"";
        StringFromGUID2(clsid, text, 40);
        EXPECT_STREQ(text, c.chosen)
            << "DefaultIM " << c.defaultIm << ", command line " << c.commandLine;
    }
    SetDefaultIm(saved);
}

} // namespace
