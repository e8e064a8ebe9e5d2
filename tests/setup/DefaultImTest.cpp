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

const std::wstring TestKey = L"Software\\PlinkerpadTest";

// Class keys of the tests' own, with upper-case hexadecimal digits as the registry spells them.
std::wstring ClassKey(int n) {
    wchar_t key[64];
    swprintf(key, 64, L"{D1A7E0B1-C0DE-4A11-9E5E-0000000000%02X}", n);
    return key;
}

bool Exists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    const bool opened = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == 0;
    RegCloseKey(key);
    return opened;
}

void SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(root, path.c_str(), name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::wstring StoredDefaultIm() {
    wchar_t value[8192] = {};
    DWORD size = sizeof value;
    const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, SipKey, DefaultImName, RRF_RT_REG_SZ,
                                      nullptr, value, &size);
    return read == ERROR_SUCCESS ? value : L"(none)";
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
    EXPECT_FALSE(Exists(HKEY_CURRENT_USER, TestKey));

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

class DefaultIm : public ::testing::Test {
protected:
    void SetUp() override { CleanUp(); }
    void TearDown() override { CleanUp(); }
    void CleanUp() {
        for (int n = 0; n < 16; ++n) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClassKey(n)).c_str());
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
    }

    // A class with a display name and, unless marker is null, "IsSIPInputMethod" = marker.
    void AddClass(int n, const std::wstring& display, const wchar_t* marker = L"1") {
        SetText(HKEY_CLASSES_ROOT, L"CLSID\\" + ClassKey(n), L"", display);
        if (marker) {
            SetText(HKEY_CLASSES_ROOT, L"CLSID\\" + ClassKey(n) + L"\\IsSIPInputMethod", L"",
                    marker);
        }
        ours.push_back(display);
    }

    // Runs the dialog: records the items it lists (only this test's own input methods) and the
    // preselected one, selects the item with exactly the text choose, then presses button.
    int Run(const std::wstring& choose, const std::wstring& button) {
        items.clear();
        preselected.clear();
        driver.When(L"Set default Boot-IM", [&](HWND dialog) {
            HWND combo = GetDlgItem(dialog, ImComboId);
            const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
            for (int item = 0; item < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++item) {
                wchar_t text[256] = {};
                SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
                if (std::find(ours.begin(), ours.end(), text) != ours.end()) {
                    items.push_back(text);
                }
                preselected += item == selected ? text : L"";
                if (choose == text) {
                    SendMessageW(combo, CB_SETCURSEL, item, 0);
                }
            }
            Click(dialog, button);
        });
        return ShowDefaultImDialog();
    }

    DialogDriver driver;
    std::vector<std::wstring> ours, items;
    std::wstring preselected;
};

TEST_F(DefaultIm, ListsExactlyTheMarkedClassesSortedAndCreatesNoKey) {
    AddClass(1, L"Zeta pad");
    AddClass(2, L"alpha keys");
    AddClass(3, L"Blank after one", L"1 ");
    AddClass(4, L"Zero one", L"01");
    AddClass(5, L"No marker", nullptr);
    AddClass(6, L"Transcriber");
    AddClass(7, L"transcriber");
    EXPECT_EQ(Run(L"", L"Cancel"), IDCANCEL);
    EXPECT_EQ(items, std::vector<std::wstring>({L"alpha keys", L"transcriber", L"Zeta pad"}));
    EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, L"CLSID\\" + ClassKey(5) + L"\\IsSIPInputMethod"));
    EXPECT_FALSE(Exists(HKEY_CURRENT_USER, SipKey));
}

TEST_F(DefaultIm, PreselectsTheDefaultAndWritesTheChosenClassOnOkOnly) {
    AddClass(1, L"First");
    AddClass(2, L"Second");
    AddClass(12, L"Twin");
    AddClass(13, L"TWIN");
    std::wstring lower = ClassKey(2);
    std::transform(lower.begin(), lower.end(), lower.begin(), towlower);
    const std::wstring overlong = ClassKey(1) + std::wstring(5000 - 38, L' ');
    const struct {
        std::wstring current; // empty: no value
        const wchar_t* choose;
        const wchar_t* button;
        const wchar_t* preselected;
        std::wstring after;
    } cases[] = {
        {lower, L"", L"OK", L"Second", ClassKey(2)}, // class IDs ignore letter case
        {ClassKey(1), L"Second", L"Cancel", L"First", ClassKey(1)},
        {L"", L"", L"OK", L"", L"(none)"},
        {overlong, L"", L"OK", L"", overlong}, // too long to read: no default
        {L"", L"TWIN", L"OK", L"", ClassKey(13)},
        {ClassKey(13), L"Twin", L"OK", L"TWIN", ClassKey(12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "choose " << c.choose << " from " << c.current.size() << " characters");
        RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
        if (!c.current.empty()) {
            SetText(HKEY_CURRENT_USER, SipKey, DefaultImName, c.current);
        }
        EXPECT_EQ(Run(c.choose, c.button), c.button == std::wstring(L"OK") ? IDOK : IDCANCEL);
        EXPECT_EQ(preselected, c.preselected);
        EXPECT_EQ(StoredDefaultIm(), c.after);
        EXPECT_EQ(items.size(), 4u);
        EXPECT_EQ(Exists(HKEY_CURRENT_USER, SipKey), !c.current.empty() || c.choose[0] != 0);
    }
}

} // namespace
