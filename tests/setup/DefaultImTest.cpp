// The "Boot-IM" dialog over the test prefix's real registry, with class keys of its own.
#include "setup/DefaultImDialog.h"
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const wchar_t SipKey[] = L"ControlPanel\\Sip";
const wchar_t Title[] = L"Set default Boot-IM";

// Class keys of the tests' own, with upper-case hexadecimal digits as the registry spells them.
std::wstring ClassKey(int n) {
    wchar_t key[64];
    swprintf(key, 64, L"{D1A7E0B1-C0DE-4A11-9E5E-0000000000%02X}", n);
    return key;
}

std::wstring ClassPath(int n) {
    return L"CLSID\\" + ClassKey(n);
}

bool Exists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void SetDefault(HKEY root, const std::wstring& path, const wchar_t* name,
                const std::wstring& text) {
    RegSetKeyValueW(root, path.c_str(), name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// What the dialog showed when it was ready, and what the test then did.
struct Shown {
    std::vector<std::wstring> items;
    std::wstring selected;
};

class DefaultIm : public ::testing::Test {
protected:
    void SetUp() override {
        CleanUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
    }
    void TearDown() override {
        CleanUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, SipKey);
    }

    // A class with a display name and, unless marker is null, "IsSIPInputMethod" = marker.
    void AddClass(int n, const std::wstring& display, const wchar_t* marker) {
        SetDefault(HKEY_CLASSES_ROOT, ClassPath(n), L"", display);
        if (marker) {
            SetDefault(HKEY_CLASSES_ROOT, ClassPath(n) + L"\\IsSIPInputMethod", L"", marker);
        }
        ours.push_back(display);
    }
    void CleanUp() {
        for (int n = 0; n < 16; ++n) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassPath(n).c_str());
        }
    }
    static void SetDefaultIm(const std::wstring& classKey) {
        SetDefault(HKEY_CURRENT_USER, SipKey, L"DefaultIM", classKey);
    }
    static std::wstring DefaultImValue() {
        wchar_t value[8192] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, SipKey, L"DefaultIM", RRF_RT_REG_SZ, nullptr, value,
                         &size) != ERROR_SUCCESS) {
            return L"(none)";
        }
        return value;
    }

    // Runs the dialog: records what it shows (only this test's own input methods), selects the
    // item with exactly the text choose (unless empty), then presses button.
    Shown Run(const std::wstring& choose, const std::wstring& button, int* result = nullptr) {
        Shown shown;
        driver.When(Title, [&](HWND dialog) {
            HWND combo = GetDlgItem(dialog, ImComboId);
            const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
            for (int item = 0; item < count; ++item) {
                wchar_t text[256] = {};
                SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
                if (std::find(ours.begin(), ours.end(), text) != ours.end()) {
                    shown.items.push_back(text);
                }
                if (!choose.empty() && choose == text) {
                    SendMessageW(combo, CB_SETCURSEL, item, 0);
                }
            }
            const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
            if (selected != CB_ERR) {
                wchar_t text[256] = {};
                SendMessageW(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
                shown.selected = text;
            }
            Click(dialog, button);
        });
        const int ended = ShowDefaultImDialog();
        if (result) {
            *result = ended;
        }
        return shown;
    }

    DialogDriver driver;
    std::vector<std::wstring> ours;
};

TEST_F(DefaultIm, ListsExactlyTheMarkedClassesSortedAndCreatesNoKey) {
    AddClass(1, L"Zeta pad", L"1");
    AddClass(2, L"alpha keys", L"1");
    AddClass(3, L"Blank after one", L"1 ");
    AddClass(4, L"Zero one", L"01");
    AddClass(5, L"No marker", nullptr);
    AddClass(6, L"Transcriber", L"1");
    AddClass(7, L"transcriber", L"1");
    int result = 0;
    const Shown shown = Run(L"", L"Cancel", &result);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(shown.items, std::vector<std::wstring>({L"alpha keys", L"transcriber", L"Zeta pad"}));
    EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, ClassPath(5) + L"\\IsSIPInputMethod"));
    EXPECT_FALSE(Exists(HKEY_CURRENT_USER, SipKey));
}

TEST_F(DefaultIm, DefaultInOtherLetterCaseIsPreselectedAndOkWritesItAgain) {
    AddClass(10, L"Tenth", L"1");
    AddClass(11, L"Eleventh", L"1");
    std::wstring lower = ClassKey(11);
    std::transform(lower.begin(), lower.end(), lower.begin(), towlower);
    SetDefaultIm(lower);
    const Shown shown = Run(L"", L"OK");
    EXPECT_EQ(shown.selected, L"Eleventh");
    EXPECT_EQ(DefaultImValue(), ClassKey(11));
}

TEST_F(DefaultIm, NamesDifferingInLetterCaseEachWriteTheirOwnClass) {
    AddClass(12, L"Twin", L"1");
    AddClass(13, L"TWIN", L"1");
    const Shown shown = Run(L"TWIN", L"OK");
    EXPECT_EQ(shown.items.size(), 2u);
    EXPECT_EQ(shown.selected, L"TWIN");
    EXPECT_EQ(DefaultImValue(), ClassKey(13));
    Run(L"Twin", L"OK");
    EXPECT_EQ(DefaultImValue(), ClassKey(12));
}

TEST_F(DefaultIm, CancelNeverWrites) {
    AddClass(1, L"First", L"1");
    AddClass(2, L"Second", L"1");
    SetDefaultIm(ClassKey(1));
    int result = 0;
    Run(L"Second", L"Cancel", &result);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(DefaultImValue(), ClassKey(1));
}

TEST_F(DefaultIm, OkWithoutAChoiceWritesNothing) {
    AddClass(1, L"First", L"1");
    const Shown shown = Run(L"", L"OK");
    EXPECT_EQ(shown.selected, L"");
    EXPECT_EQ(DefaultImValue(), L"(none)");
    EXPECT_FALSE(Exists(HKEY_CURRENT_USER, SipKey));
}

TEST_F(DefaultIm, OverlongDefaultReadsAsNoneAndStays) {
    AddClass(1, L"First", L"1");
    const std::wstring overlong = ClassKey(1) + std::wstring(5000 - ClassKey(1).size(), L' ');
    SetDefaultIm(overlong);
    const Shown shown = Run(L"", L"OK");
    EXPECT_EQ(shown.selected, L"");
    EXPECT_EQ(DefaultImValue(), overlong);
}

} // namespace
