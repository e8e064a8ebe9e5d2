#include "tests/keyboard/TestKeyboards.h"

#include "keyboard/BuildKeyboards.h"
#include "keyboard/ModuleInstance.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::wstring EnvironmentText(const wchar_t* name) {
    wchar_t buffer[64] = {};
    DWORD length = GetEnvironmentVariableW(name, buffer, 64);
    return length > 0 && length < 64 ? buffer : L"";
}

// When KEYBOARD_TEST_SEPARATOR_OVERRIDE is set, the run makes it the user's decimal separator
// (the user override of the locale) before anything reads it, and puts the old one back at the
// end.
class SeparatorOverride : public ::testing::Environment {
public:
    void SetUp() override {
        std::wstring value = EnvironmentText(L"KEYBOARD_TEST_SEPARATOR_OVERRIDE");
        if (value.empty())
            return;
        wchar_t old[16] = {};
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old, 16), 0);
        Original = old;
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value.c_str()));
    }
    void TearDown() override {
        if (!Original.empty())
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, Original.c_str());
    }

private:
    std::wstring Original;
};

::testing::Environment* const Override = ::testing::AddGlobalTestEnvironment(new SeparatorOverride);

} // namespace

void BuildTestKeyboards() {
    ModuleInstance = GetModuleHandleW(nullptr);
    BuildKeyboards();
}

std::wstring ExpectedDecimalSeparator() {
    std::wstring expected = EnvironmentText(L"KEYBOARD_TEST_EXPECTED_SEPARATOR");
    return expected.empty() ? L"." : expected;
}
