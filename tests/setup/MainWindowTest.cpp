// The main window run as the application's main window, and the settings pages it opens, driven
// by real messages with the settings file compared; the program's icon and version texts.
#include "foundation/Settings.h"
#include "resources/SetupResources.h"
#include "setup/SettingsPages.h"
#include "setup/SetupDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

namespace {

const char SettingsPath[] = "C:\\Plinkerpad.ini";
using Values = std::map<std::string, int>; // stored values that differ from the defaults

// The file a save writes, each key with its default value; lines end in CR LF (text mode).
const char DefaultFile[] = "[Internal]\nPosX=50\nPosY=50\n\n[GeneralSettings]\nDlgBtnBottom=0\n"
                           "ShowDlgBtn=1\nColorType=1\nNo3D=1\n\n[Keyboard]\nFloatingSizeType=0\n"
                           "KeyboardType=0\n\n";

std::string FileText(const Values& values) {
    std::istringstream lines(DefaultFile);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        const auto value = values.find(line.substr(0, line.find('=')));
        text += (value == values.end() ? line : value->first + "=" + std::to_string(value->second));
        text += "\r\n";
    }
    return text;
}

void WriteSettingsFile(const std::string& text) {
    std::ofstream(SettingsPath, std::ios::binary) << text;
}

std::string ReadSettingsFile() {
    std::ifstream file(SettingsPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class Pages : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(SettingsPath); }
    void TearDown() override { DeleteFileA(SettingsPath); }

    // Opens a page, reads the named controls into shown (1 checked, 0 not, - absent), clicks
    // the others and ends the page by finish: a button, "close" (the close box), "Enter" or
    // "Escape" (pressed on the focused control). Returns the page's result.
    int Run(int (*show)(), const wchar_t* title, const std::vector<std::wstring>& read,
            const std::vector<std::wstring>& clicks, const std::wstring& finish) {
        driver.When(title, [&](HWND page) {
            for (const std::wstring& name : read) {
                shown += !FindControl(page, name) ? L'-' : IsChecked(page, name) ? L'1' : L'0';
            }
            for (const std::wstring& name : clicks) {
                Click(page, name);
            }
            const WPARAM key = finish == L"Enter" ? VK_RETURN : VK_ESCAPE;
            if (finish == L"close") {
                PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else if (finish == L"Enter" || finish == L"Escape") {
                PostMessageW(GetFocus() ? GetFocus() : page, WM_KEYDOWN, key, 1);
            } else {
                Click(page, finish);
            }
        });
        shown.clear();
        return show();
    }

    void ExpectStored(const Values& values) { EXPECT_EQ(ReadSettingsFile(), FileText(values)); }

    DialogDriver driver;
    std::wstring shown;
};

const std::wstring No3D = L"No 3D (maximize speed)", ShowButtons = L"Show Dialog buttons",
                   AtBottom = L"Dialog buttons at screen bottom";

TEST_F(Pages, ShowTheFileAndOkSavesExactlyTheChoice) {
    WriteSettingsFile(FileText({{"ColorType", 2}, {"No3D", 0}, {"KeyboardType", 3}}));
    EXPECT_EQ(Run(ShowGeneralPage, L"General", {L"Colored", L"Gray", No3D, ShowButtons},
                  {L"Gray", No3D, AtBottom}, L"OK"),
              IDOK);
    EXPECT_EQ(shown, L"1001");
    ExpectStored({{"ColorType", 1}, {"DlgBtnBottom", 1}, {"KeyboardType", 3}});
}

TEST_F(Pages, CancelAndTheCloseBoxRestoreTheFileValues) {
    // Not as a save writes it: any write would show.
    const std::string file = "[Keyboard]\r\nFloatingSizeType=1\r\n";
    WriteSettingsFile(file);
    EXPECT_EQ(Run(ShowFingerPage, L"Finger", {L"Medium"}, {L"Large"}, L"Cancel"), IDCANCEL);
    EXPECT_EQ(shown, L"1");
    EXPECT_EQ(GetSettings().FloatingSizeType, 1);
    EXPECT_EQ(Run(ShowGeneralPage, L"General", {}, {L"Colored"}, L"close"), IDCANCEL);
    EXPECT_EQ(GetSettings().ColorType, 1);
    EXPECT_EQ(ReadSettingsFile(), file);
}

TEST_F(Pages, UnofferedKeyboardShowsNoChoiceAndStoresMinusOne) {
    WriteSettingsFile(FileText({{"KeyboardType", 7}}));
    EXPECT_EQ(Run(ShowFingerPage, L"Finger",
                  {L"Numeric", L"Extended", L"Numeric + hex", L"Extended + hex", L"Big numeric"},
                  {}, L"OK"),
              IDOK);
    EXPECT_EQ(shown, L"00000");
    ExpectStored({{"KeyboardType", -1}});
}

TEST_F(Pages, WithoutButtonsEnterAcceptsAndEscapeCancels) {
    WriteSettingsFile(FileText({{"ShowDlgBtn", 0}}));
    EXPECT_EQ(Run(ShowFingerPage, L"Finger", {L"OK", L"Cancel"}, {L"Medium"}, L"Enter"), IDOK);
    EXPECT_EQ(shown, L"--");
    EXPECT_EQ(Run(ShowGeneralPage, L"General", {}, {L"Colored"}, L"Escape"), IDCANCEL);
    ExpectStored({{"ShowDlgBtn", 0}, {"FloatingSizeType", 1}});
}

TEST_F(Pages, ButtonRowsUnderTheContentOrAt98FromTheNextPageOn) {
    const struct {
        bool freshFile;
        int (*show)();
        const wchar_t* title;
        int row;
        const wchar_t* click;
    } cases[] = {
        {true, ShowGeneralPage, L"General", 82, AtBottom.c_str()},
        {false, ShowFingerPage, L"Finger", 98, nullptr},
        {true, ShowFingerPage, L"Finger", 86, nullptr},
        {false, ShowSnipletsPage, L"Sniplets", 20, nullptr},
    };
    for (const auto& c : cases) {
        if (c.freshFile) {
            WriteSettingsFile(FileText({}));
        }
        driver.When(c.title, [&](HWND page) {
            EXPECT_EQ(ControlRect(FindControl(page, L"OK")),
                      DialogUnitsToPixels(page, {7, c.row, 53, c.row + 8}))
                << c.title << " on row " << c.row;
            if (c.click) {
                Click(page, c.click);
            }
            Click(page, L"OK");
        });
        EXPECT_EQ(c.show(), IDOK);
    }
}

TEST_F(Pages, AFailedSaveIsToldAndLeavesTheFileAsItWas) {
    WriteSettingsFile(FileText({{"ColorType", 0}}));
    // Held open without write sharing, the file cannot be rewritten (read-only attributes do not
    // stop processes running as root).
    HANDLE held = CreateFileA(SettingsPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
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
    ExpectStored({{"ColorType", 0}});
}

TEST_F(Pages, AFileTooLargeToReadIsToldShowsTheDefaultsAndIsNotSavedOver) {
    const std::string file = "[Keyboard]\r\nKeyboardType=3\r\n;" + std::string(1 << 20, 'x');
    WriteSettingsFile(file);
    std::vector<std::wstring> told; // each box's OK button and text
    for (int i = 0; i < 2; ++i) {
        driver.When(MessageBoxTitle(), [&](HWND box) {
            told.push_back(WindowText(GetDlgItem(box, IDOK)) + L": " + MessageBoxText(box));
            PostCommand(box, IDOK);
        });
    }
    EXPECT_EQ(Run(ShowFingerPage, L"Finger", {L"Numeric"}, {L"Big numeric"}, L"OK"), IDOK);
    EXPECT_EQ(shown, L"1");
    EXPECT_EQ(driver.seen,
              std::vector<std::wstring>({MessageBoxTitle(), L"Finger", MessageBoxTitle()}));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].find(L"OK: The settings file is too large"), 0u);
    EXPECT_NE(told[1].find(L"could not be saved"), std::wstring::npos);
    EXPECT_TRUE(ReadSettingsFile() == file);
}

class MainWindow : public Pages {
protected:
    void SetUp() override {
        Pages::SetUp();
        app.m_pMainWnd = &dialog;
    }
    CWinApp app;
    SetupDialog dialog;
};

// The steps check the dialogs they close: a step that did not run leaves its dialog open.
TEST_F(MainWindow, ButtonsStandInTheirBandsAndTheLabelsAreSet) {
    driver.When(L"Plinkerpad Setup", [&](HWND main) {
        RECT client;
        GetClientRect(main, &client);
        const int w = client.right;
        // Row 1 is (5, 220, W - 5, 258); rows 2 and 3 are 5 pixels narrower on each side.
        const int third = (w - 15) / 3, quarter = (w - 15) / 4 - 5;
        const int third2 = (w - 25) / 3, third3 = (w - 35) / 3;
        const std::map<int, RECT> expected = {
            {IDC_SNIPLETS, {10, 225, 5 + third, 253}},
            {IDC_BOOT_IM, {10 + third, 225, 5 + 2 * third, 253}},
            {IDC_HELP_BUTTON, {w - 10 - quarter, 225, w - 10, 253}},
            {IDC_KEYBOARD, {15 + third2, 187, 10 + 2 * third2, 215}},
            {IDC_GENERAL, {20 + third3, 149, 15 + 2 * third3, 177}},
        };
        for (const auto& [id, rect] : expected) {
            EXPECT_EQ(ControlRect(GetDlgItem(main, id)), rect) << "button " << id;
        }
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_SNIPLETS)));
        EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
        // "V 1.12 - hh:mm:ss - Mmm dd yyyy", the build's own time and date.
        std::wstring version = WindowText(GetDlgItem(main, IDC_VERSION));
        for (size_t i = 9; i < 17 && i < version.size(); ++i) {
            version[i] = iswdigit(version[i]) ? L'0' : version[i];
        }
        EXPECT_EQ(version, L"V 1.12 - 00:00:00 - " __DATE__);
        PostCommand(main, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(MainWindow, PagesOpenOverItAndSaveTheirChoice) {
    HWND mainWindow = nullptr, generalOwner = nullptr;
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
    EXPECT_EQ(ReadSettingsFile(),
              FileText({{"ColorType", 2}, {"KeyboardType", 4}, {"FloatingSizeType", 2}}));
}

// The program's own resources, as linked into this test program.
TEST(Resources, IconHasItsThreeImagesAndTheVersionItsTexts) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_SETUP), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    // GRPICONDIR: reserved, type, count, then 14-byte entries of width, height, colours, ...
    const BYTE* icons = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_EQ(icons[4], 3);
    const std::vector<int> images = {icons[6],  icons[7],  icons[8],  icons[20], icons[21],
                                     icons[22], icons[34], icons[35], icons[36]};
    EXPECT_EQ(images, std::vector<int>({32, 32, 16, 16, 16, 16, 32, 32, 0})); // 0: 256 colours

    HRSRC version = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    ASSERT_NE(version, nullptr);
    // VerQueryValue wants a writable copy of the block.
    const BYTE* block = static_cast<const BYTE*>(LockResource(LoadResource(module, version)));
    std::vector<BYTE> copy(block, block + SizeofResource(module, version));
    std::wstring texts;
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"FileDescription",
                                L"ProductName", L"InternalName", L"OriginalFilename"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = L"\\StringFileInfo\\040904B0\\" + std::wstring(name);
        VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void**>(&value), &length);
        texts += (value ? value : L"(none)") + std::wstring(L"|");
    }
    EXPECT_EQ(texts, L"1, 0, 0, 1|1, 0, 0, 1|PlinkerpadSetup WCE MFC Application|"
                     L"PlinkerpadSetup Application|PlinkerpadSetup|PlinkerpadSetup.EXE|");
}

} // namespace
