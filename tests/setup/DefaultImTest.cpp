// RegistryKey and the "Boot-IM" dialog over the test prefix's real registry, with keys of their
// own.
#include "foundation/RegistryKey.h"
#include "setup/DefaultImDialog.h"
#include "tests/setup/DialogDriver.h"
#include "tests/support/Identity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

bool Exists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    const bool opened = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == 0;
    RegCloseKey(key);
    return opened;
}

// Stores text with its terminating null, or, with size, that many characters of it.
void SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text,
             size_t size = std::wstring::npos) {
    size = size == std::wstring::npos ? text.size() + 1 : size;
    RegSetKeyValueW(root, path.c_str(), name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(size * sizeof(wchar_t)));
}

// A string value as stored: "(bad size)" unless the size takes in exactly one terminating null.
std::wstring Stored(HKEY root, const std::wstring& path, const wchar_t* name) {
    std::wstring value(8192, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, &value[0],
                     &size) != ERROR_SUCCESS)
        return L"(none)";
    value.resize(size / sizeof(wchar_t));
    return !value.empty() && value.back() == 0 && value.find(L'\0') == value.size() - 1
               ? value.substr(0, value.size() - 1)
               : L"(bad size)";
}

TEST(RegistryKey, ReadOnlyCreatesNothingAndStringsAreReadByTheirStoredSize) {
    const std::wstring test = L"Software\\PlinkerpadTest";
    RegDeleteTreeW(HKEY_CURRENT_USER, test.c_str());
    RegistryKey absent(HKEY_CURRENT_USER, test + L"\\Sip", RegistryKey::ReadOnly);
    EXPECT_EQ(absent.ReadString(L"", L"fallback"), L"fallback");
    EXPECT_FALSE(absent.WriteString(L"Value", L"text"));
    std::wstring name = L"untouched";
    EXPECT_FALSE(absent.FirstSubkey(name));
    EXPECT_EQ(name, L"untouched");
    EXPECT_FALSE(Exists(HKEY_CURRENT_USER, test));

    RegistryKey key(HKEY_CURRENT_USER, L"\\" + test); // the leading backslash is dropped
    EXPECT_TRUE(key.WriteString(L"Empty", L""));
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, test, L"Empty"), L"");
    // Stored without a terminating null: read up to the size, or up to an inner null.
    for (const auto& [stored, read] :
         {std::pair{std::wstring(L"abc"), L"abc"}, {std::wstring(L"ab\0cd", 5), L"ab"}}) {
        SetText(HKEY_CURRENT_USER, test, L"Raw", stored, stored.size());
        EXPECT_EQ(key.ReadString(L"Raw", L""), read);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, test.c_str());
}

// Class keys of the tests' own, with upper-case hexadecimal digits as the registry spells them.
std::wstring ClassKey(int n) {
    wchar_t key[64];
    swprintf(key, 64, L"CLSID\\{D1A7E0B1-C0DE-4A11-9E5E-0000000000%02X}", n);
    return key;
}

// Listed: exactly the classes marked "1", sorted ignoring case, "Transcriber" left out. Each
// case selects the item with exactly the text chosen and ends with the button.
TEST(DefaultIm, ListsTheMarkedClassesPreselectsTheDefaultAndWritesTheChoiceOnOkOnly) {
    const std::pair<const wchar_t*, const wchar_t*> classes[] = {
        {L"First", L"1"},      {L"second", L"1"},       {L"Blank after one", L"1 "},
        {L"Zero one", L"01"},  {L"No marker", nullptr}, {L"Transcriber", L"1"},
        {L"transcriber", L"1"}};
    std::vector<std::wstring> ours;
    for (int n = 0; n < 7; ++n) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey(n).c_str());
        SetText(HKEY_CLASSES_ROOT, ClassKey(n), L"", classes[n].first);
        if (classes[n].second)
            SetText(HKEY_CLASSES_ROOT, ClassKey(n) + L"\\IsSIPInputMethod", L"", classes[n].second);
        ours.push_back(classes[n].first);
    }
    const auto id = [](int n) { return ClassKey(n).substr(6); };
    std::wstring lower = id(1);
    std::transform(lower.begin(), lower.end(), lower.begin(), towlower);
    const struct {
        std::wstring current; // empty: no value
        std::wstring choose, button, preselected, after;
    } cases[] = {
        {L"", L"", L"Cancel", L"", L"(none)"}, // opening creates no key
        {lower, L"", L"OK", L"second", id(1)}, // class IDs ignore letter case
        {id(0), L"second", L"Cancel", L"First", id(0)}, {L"", L"", L"OK", L"", L"(none)"},
        {L"", L"transcriber", L"OK", L"", id(6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "choose " << c.choose << " from " << c.current);
        RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
        if (!c.current.empty())
            SetText(HKEY_CURRENT_USER, SipKey, DefaultImName, c.current);
        std::vector<std::wstring> items;
        std::wstring preselected;
        DialogDriver driver;
        driver.When(L"Set default Boot-IM", [&](HWND dialog) {
            HWND combo = GetDlgItem(dialog, ImComboId);
            const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
            for (int item = 0; item < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++item) {
                wchar_t text[256] = {};
                SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
                if (std::find(ours.begin(), ours.end(), text) != ours.end())
                    items.push_back(text);
                preselected += item == selected ? text : L"";
                if (c.choose == text)
                    SendMessageW(combo, CB_SETCURSEL, item, 0);
            }
            Click(dialog, c.button);
        });
        EXPECT_EQ(ShowDefaultImDialog(), c.button == L"OK" ? IDOK : IDCANCEL);
        EXPECT_EQ(items, std::vector<std::wstring>({L"First", L"second", L"transcriber"}));
        EXPECT_EQ(preselected, c.preselected);
        EXPECT_EQ(Stored(HKEY_CURRENT_USER, SipKey, DefaultImName), c.after);
        EXPECT_EQ(Exists(HKEY_CURRENT_USER, SipKey), !c.current.empty() || !c.choose.empty());
    }
    for (int n = 0; n < 7; ++n)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey(n).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
}

} // namespace
