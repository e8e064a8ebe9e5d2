// The settings pages opened for real and driven by real messages; the settings file compared.
#include "foundation/Settings.h"
#include "setup/SettingsPages.h"
#include "tests/setup/DialogDriver.h"
#include "tests/setup/SettingsFile.h"
#include "tests/setup/TestRect.h"

#include <gtest/gtest.h>

namespace {

class Pages : public ::testing::Test {
protected:
    void SetUp() override { RemoveSettingsFile(); }
    void TearDown() override { RemoveSettingsFile(); }
    DialogDriver driver;
};

TEST_F(Pages, GeneralShowsTheStoredSchemeAndOkSavesTheNewOne) {
    FileValues stored;
    stored.ColorType = 2;
    stored.KeyboardType = 3;
    WriteSettingsFile(stored.Text());
    bool coloredShown = false;
    driver.When(L"General", [&](HWND page) {
        coloredShown = IsChecked(page, L"Colored");
        Click(page, L"Gray");
        Click(page, L"OK");
    });
    EXPECT_EQ(ShowGeneralPage(), IDOK);
    EXPECT_TRUE(coloredShown);
    FileValues saved = stored;
    saved.ColorType = 1;
    EXPECT_EQ(ReadSettingsFile(), saved.Text());
}

TEST_F(Pages, GeneralBindsTheCheckBoxes) {
    FileValues stored;
    stored.No3D = 0;
    WriteSettingsFile(stored.Text());
    bool no3dShown = true;
    bool showButtonsShown = false;
    driver.When(L"General", [&](HWND page) {
        no3dShown = IsChecked(page, L"No 3D (maximize speed)");
        showButtonsShown = IsChecked(page, L"Show Dialog buttons");
        Click(page, L"No 3D (maximize speed)");
        Click(page, L"Dialog buttons at screen bottom");
        Click(page, L"OK");
    });
    ShowGeneralPage();
    EXPECT_FALSE(no3dShown);
    EXPECT_TRUE(showButtonsShown);
    FileValues saved;
    saved.No3D = 1;
    saved.DlgBtnBottom = 1;
    EXPECT_EQ(ReadSettingsFile(), saved.Text());
}

TEST_F(Pages, CancelAndTheCloseBoxRestoreTheFileValues) {
    FileValues stored;
    stored.FloatingSizeType = 1;
    WriteSettingsFile(stored.Text());
    const std::string before = ReadSettingsFile();
    driver.When(L"Finger", [](HWND page) {
        Click(page, L"Large");
        Click(page, L"Cancel");
    });
    driver.When(L"General", [](HWND page) {
        Click(page, L"Colored");
        PostClose(page);
    });
    EXPECT_EQ(ShowFingerPage(), IDCANCEL);
    EXPECT_EQ(GetSettings().FloatingSizeType, 1);
    EXPECT_EQ(ShowGeneralPage(), IDCANCEL);
    EXPECT_EQ(GetSettings().ColorType, 1);
    EXPECT_EQ(ReadSettingsFile(), before);
}

TEST_F(Pages, UnofferedKeyboardShowsNoChoiceAndStoresMinusOne) {
    FileValues stored;
    stored.KeyboardType = 7;
    WriteSettingsFile(stored.Text());
    int checkedKeyboards = -1;
    driver.When(L"Finger", [&](HWND page) {
        checkedKeyboards = 0;
        for (const wchar_t* name :
             {L"Numeric", L"Extended", L"Numeric + hex", L"Extended + hex", L"Big numeric"}) {
            checkedKeyboards += IsChecked(page, name);
        }
        Click(page, L"OK");
    });
    ShowFingerPage();
    EXPECT_EQ(checkedKeyboards, 0);
    FileValues saved;
    saved.KeyboardType = -1;
    EXPECT_EQ(ReadSettingsFile(), saved.Text());
}

TEST_F(Pages, WithoutButtonsEnterAcceptsAndEscapeCancels) {
    FileValues stored;
    stored.ShowDlgBtn = 0;
    WriteSettingsFile(stored.Text());
    bool okThere = true;
    bool cancelThere = true;
    driver.When(L"Finger", [&](HWND page) {
        okThere = FindControl(page, L"OK") != nullptr;
        cancelThere = FindControl(page, L"Cancel") != nullptr;
        Click(page, L"Medium");
        PressKey(page, VK_RETURN);
    });
    driver.When(L"General", [](HWND page) {
        Click(page, L"Colored");
        PressKey(page, VK_ESCAPE);
    });
    EXPECT_EQ(ShowFingerPage(), IDOK);
    EXPECT_EQ(ShowGeneralPage(), IDCANCEL);
    EXPECT_FALSE(okThere);
    EXPECT_FALSE(cancelThere);
    FileValues saved = stored;
    saved.FloatingSizeType = 1;
    EXPECT_EQ(ReadSettingsFile(), saved.Text());
}

TEST_F(Pages, ButtonSettingsTakeEffectOnTheNextPage) {
    bool buttonsOnGeneral = false;
    bool buttonsOnSniplets = true;
    driver.When(L"General", [&](HWND page) {
        buttonsOnGeneral = FindControl(page, L"OK") != nullptr;
        Click(page, L"Show Dialog buttons");
        Click(page, L"OK");
    });
    driver.When(L"Sniplets", [&](HWND page) {
        buttonsOnSniplets = FindControl(page, L"OK") != nullptr;
        PostClose(page);
    });
    ShowGeneralPage();
    ShowSnipletsPage();
    EXPECT_TRUE(buttonsOnGeneral);
    EXPECT_FALSE(buttonsOnSniplets);
}

// Where a page's OK button stands, with the place the grid gives for its row.
struct ButtonRow {
    RECT ok = {};
    RECT expected = {};
};

TEST_F(Pages, ButtonRowsUnderTheContentOrAt98) {
    ButtonRow general, finger, sniplets, fingerAgain;
    driver.When(L"General", [&](HWND page) {
        general.ok = ControlRect(FindControl(page, L"OK"));
        general.expected = DialogUnitsToPixels(page, {7, 82, 53, 90});
        Click(page, L"Dialog buttons at screen bottom");
        Click(page, L"OK");
    });
    driver.When(L"Finger", [&](HWND page) {
        finger.ok = ControlRect(FindControl(page, L"OK"));
        finger.expected = DialogUnitsToPixels(page, {7, 98, 53, 106});
        PostClose(page);
    });
    ShowGeneralPage();
    ShowFingerPage();
    EXPECT_EQ(general.ok, general.expected);
    EXPECT_EQ(finger.ok, finger.expected);

    WriteSettingsFile(FileValues().Text());
    driver.When(L"Finger", [&](HWND page) {
        fingerAgain.ok = ControlRect(FindControl(page, L"OK"));
        fingerAgain.expected = DialogUnitsToPixels(page, {7, 86, 53, 94});
        PostClose(page);
    });
    driver.When(L"Sniplets", [&](HWND page) {
        sniplets.ok = ControlRect(FindControl(page, L"OK"));
        sniplets.expected = DialogUnitsToPixels(page, {7, 20, 53, 28});
        PostClose(page);
    });
    ShowFingerPage();
    ShowSnipletsPage();
    EXPECT_EQ(fingerAgain.ok, fingerAgain.expected);
    EXPECT_EQ(sniplets.ok, sniplets.expected);
}

TEST_F(Pages, AFailedSaveIsToldAndLeavesTheFileAsItWas) {
    FileValues stored;
    stored.ColorType = 0;
    WriteSettingsFile(stored.Text());
    const std::string before = ReadSettingsFile();
    // Held open without write sharing, the file cannot be rewritten (read-only attributes do not
    // stop processes running as root).
    HANDLE held = CreateFileW(L"C:\\Plinkerpad.ini", GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::wstring told;
    driver.When(L"General", [](HWND page) {
        Click(page, L"Colored");
        Click(page, L"OK");
    });
    driver.When(MessageBoxTitle(), [&](HWND box) {
        told = MessageBoxText(box);
        PostCommand(box, IDOK);
    });
    EXPECT_EQ(ShowGeneralPage(), IDOK);
    CloseHandle(held);
    EXPECT_NE(told.find(L"could not be saved"), std::wstring::npos);
    EXPECT_EQ(ReadSettingsFile(), before);
}

} // namespace
