// The main window run as the application's main window: its buttons, labels and icon, and the
// pages it opens over itself.
#include "resources/SetupResources.h"
#include "setup/SetupDialog.h"
#include "tests/setup/DialogDriver.h"
#include "tests/setup/SettingsFile.h"
#include "tests/setup/TestRect.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSettingsFile();
        app.m_pMainWnd = &dialog;
    }
    void TearDown() override { RemoveSettingsFile(); }

    CWinApp app;
    SetupDialog dialog;
    DialogDriver driver;
};

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

TEST_F(MainWindow, ButtonsStandInTheirBandsAndTheLabelsAreSet) {
    std::map<int, RECT> buttons;
    int width = 0;
    bool snipletsVisible = true;
    std::wstring version;
    HICON bigIcon = nullptr;
    driver.When(L"Plinkerpad Setup", [&](HWND main) {
        UpdateWindow(main);
        RECT client;
        GetClientRect(main, &client);
        width = client.right;
        for (int id : {IDC_SNIPLETS, IDC_BOOT_IM, IDC_HELP_BUTTON, IDC_KEYBOARD, IDC_GENERAL}) {
            buttons[id] = ControlRect(GetDlgItem(main, id));
        }
        snipletsVisible = IsWindowVisible(GetDlgItem(main, IDC_SNIPLETS));
        version = TextOf(GetDlgItem(main, IDC_VERSION));
        bigIcon = reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_BIG, 0));
        PostCommand(main, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_GT(width, 0);
    // Row 1 is (5, 220, W - 5, 258); rows 2 and 3 are 5 pixels narrower on each side.
    const int third = (width - 10 - 5) / 3;
    EXPECT_EQ(buttons[IDC_SNIPLETS], RECT({10, 225, 10 + third - 5, 253}));
    EXPECT_EQ(buttons[IDC_BOOT_IM], RECT({10 + third, 225, 10 + 2 * third - 5, 253}));
    const int quarter = (width - 10 - 5) / 4 - 5;
    EXPECT_EQ(buttons[IDC_HELP_BUTTON], RECT({width - 10 - quarter, 225, width - 10, 253}));
    const int third2 = (width - 20 - 5) / 3;
    EXPECT_EQ(buttons[IDC_KEYBOARD], RECT({15 + third2, 187, 15 + 2 * third2 - 5, 215}));
    const int third3 = (width - 30 - 5) / 3;
    EXPECT_EQ(buttons[IDC_GENERAL], RECT({20 + third3, 149, 20 + 2 * third3 - 5, 177}));
    EXPECT_FALSE(snipletsVisible);
    // "V 1.12 - hh:mm:ss - Mmm dd yyyy", the build's own time and date.
    ASSERT_EQ(version.size(), 9u + 8 + 3 + 11);
    EXPECT_EQ(version.substr(0, 9), L"V 1.12 - ");
    EXPECT_EQ(version.substr(11, 1) + version.substr(14, 1), L"::");
    EXPECT_EQ(version.substr(17), L" - " __DATE__);
    EXPECT_NE(bigIcon, nullptr);
}

TEST_F(MainWindow, PagesOpenOverItAndSaveTheirChoice) {
    HWND mainWindow = nullptr;
    HWND generalOwner = nullptr;
    driver.When(L"Plinkerpad Setup", [&](HWND main) {
        mainWindow = main;
        Click(main, L"General");
    });
    driver.When(L"General", [&](HWND page) {
        generalOwner = GetWindow(page, GW_OWNER);
        Click(page, L"Colored");
        Click(page, L"OK");
        Click(mainWindow, L"Keyboard");
    });
    driver.When(L"Finger", [&](HWND page) {
        Click(page, L"Big numeric");
        Click(page, L"Large");
        Click(page, L"OK");
        PostCommand(mainWindow, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.Waiting(), 0u);
    EXPECT_EQ(generalOwner, mainWindow);
    FileValues saved;
    saved.ColorType = 2;
    saved.KeyboardType = 4;
    saved.FloatingSizeType = 2;
    EXPECT_EQ(ReadSettingsFile(), saved.Text());
}

// The program's own resources, as linked into this test program.
TEST(Resources, IconHasItsThreeImagesAndTheVersionItsTexts) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_SETUP), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    // GRPICONDIR: reserved, type, count, then 14-byte entries of width, height, colours, ...
    const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_EQ(directory[4], 3);
    const int expected[3][3] = {{32, 32, 16}, {16, 16, 16}, {32, 32, 0}}; // 0: 256 colours
    for (int image = 0; image < 3; ++image) {
        const BYTE* entry = directory + 6 + 14 * image;
        EXPECT_EQ(entry[0], expected[image][0]);
        EXPECT_EQ(entry[1], expected[image][1]);
        EXPECT_EQ(entry[2], expected[image][2]);
    }

    HRSRC version = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    ASSERT_NE(version, nullptr);
    // VerQueryValue wants a writable copy of the block.
    const BYTE* block = static_cast<const BYTE*>(LockResource(LoadResource(module, version)));
    std::vector<BYTE> copy(block, block + SizeofResource(module, version));
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"ProductVersion", L"1, 0, 0, 1"},
        {L"FileDescription", L"PlinkerpadSetup WCE MFC Application"},
        {L"ProductName", L"PlinkerpadSetup Application"},
        {L"InternalName", L"PlinkerpadSetup"},
        {L"OriginalFilename", L"PlinkerpadSetup.EXE"},
    };
    for (const auto& [name, text] : texts) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << name;
        EXPECT_STREQ(value, text) << name;
    }
}

} // namespace
