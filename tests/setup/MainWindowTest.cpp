// The main window run as the application's main window, and the settings pages it opens, driven
// by real messages with the settings file compared.
#include "foundation/Settings.h"
#include "resources/SetupResources.h"
#include "setup/SettingsPages.h"
#include "setup/SetupDialog.h"
#include "tests/setup/DialogDriver.h"
#include "tests/support/Files.h"
#include "tests/support/Identity.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Pages : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW(SettingsFile); }
    void TearDown() override { DeleteFileW(SettingsFile); }

    // Opens the page, checks that its OK button stands on row (unless 0), reads the named
    // controls into the result (1 checked, 0 not, - absent), clicks the others and ends the page
    // by a button, "close" (the close box), "Enter" or "Escape" (on the focused control).
    std::wstring Run(const std::wstring& title, const std::vector<std::wstring>& read,
                     const std::vector<std::wstring>& clicks, const std::wstring& finish,
                     int row = 0) {
        std::wstring shown;
        driver.When(title, [&](HWND page) {
            if (row != 0) {
                EXPECT_EQ(ControlRect(FindControl(page, L"OK")),
                          DialogUnitsToPixels(page, {7, row, 53, row + 8}))
                    << title << " on row " << row;
            }
            for (const std::wstring& name : read)
                shown += !FindControl(page, name) ? L'-' : IsChecked(page, name) ? L'1' : L'0';
            for (const std::wstring& name : clicks)
                Click(page, name);
            if (finish == L"close")
                PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0);
            else if (finish == L"Enter" || finish == L"Escape")
                PostMessageW(GetFocus() ? GetFocus() : page, WM_KEYDOWN,
                             finish == L"Enter" ? VK_RETURN : VK_ESCAPE, 1);
            else
                Click(page, finish);
        });
        const std::map<std::wstring, int (*)()> pages = {{L"General", ShowGeneralPage},
                                                         {L"Finger", ShowFingerPage},
                                                         {L"Sniplets", ShowSnipletsPage}};
        EXPECT_EQ(pages.at(title)(), finish == L"OK" || finish == L"Enter" ? IDOK : IDCANCEL)
            << title << " ended by " << finish;
        return shown;
    }

    // The file holds the values, and so does the record.
    static void ExpectStored(const SettingValues& values) {
        EXPECT_EQ(ReadSettingsFile(), SettingsText(values));
        ASSERT_TRUE(SaveSettings());
        EXPECT_EQ(ReadSettingsFile(), SettingsText(values)) << "the record";
    }

    DialogDriver driver;
};

const std::wstring No3D = L"No 3D (maximize speed)", AtBottom = L"Dialog buttons at screen bottom";

// The button row stands under the content, or at row 98 from the next page on (and under the
// twelve text fields), and under the content where that reaches below row 98.
TEST_F(Pages, ShowTheFileAndOkSavesExactlyTheChoiceWhileCancelOrAFailedSaveKeepsIt) {
    WriteSettingsFile({{"ColorType", 2}, {"No3D", 0}, {"KeyboardType", 3}});
    EXPECT_EQ(Run(L"General", {L"Colored", L"Gray", No3D, L"Show Dialog buttons"},
                  {L"Gray", No3D, AtBottom}, L"OK", 82),
              L"1001");
    EXPECT_EQ(Run(L"Finger", {}, {}, L"Cancel", 124), L""); // its content reaches below row 98
    ExpectStored({{"ColorType", 1}, {"DlgBtnBottom", 1}, {"KeyboardType", 3}});
    // A keyboard that the page does not offer: no choice shown, -1 stored.
    WriteSettingsFile({{"KeyboardType", 7}});
    EXPECT_EQ(Run(L"Finger",
                  {L"Numeric", L"Extended", L"Numeric + hex", L"Extended + hex", L"Big numeric"},
                  {}, L"OK", 124),
              L"00000");
    Run(L"Sniplets", {}, {}, L"OK", 98);
    ExpectStored({{"KeyboardType", -1}});

    WriteSettingsFile({{"ShowDlgBtn", 0}});
    EXPECT_EQ(Run(L"Finger", {L"OK", L"Cancel"}, {L"Medium"}, L"Enter"), L"--");
    Run(L"General", {}, {L"Colored"}, L"Escape");
    ExpectStored({{"ShowDlgBtn", 0}, {"FloatingSizeType", 1}});
    WriteSettingsFile({{"FloatingSizeType", 1}});
    EXPECT_EQ(Run(L"Finger", {L"Medium"}, {L"Large"}, L"Cancel"), L"1");
    EXPECT_EQ(Run(L"General", {L"Gray"}, {L"Colored"}, L"close"), L"1");
    ExpectStored({{"FloatingSizeType", 1}});

    // Held open without write sharing, the file cannot be rewritten (read-only attributes do not
    // stop processes running as root): OK tells so, and the file and the record stay.
    HANDLE held = CreateFileW(SettingsFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::wstring told;
    driver.When(MessageBoxTitle(), [&](HWND box) {
        told = MessageBoxText(box);
        PostCommand(box, IDOK);
    });
    Run(L"General", {}, {L"Colored"}, L"OK");
    CloseHandle(held);
    EXPECT_NE(told.find(L"could not be saved"), std::wstring::npos);
    ExpectStored({{"FloatingSizeType", 1}});
}

// The key size and the phone order show what the file holds; OK saves them, and every other line
// of the file stays as it was; Cancel keeps the file.
TEST_F(Pages, KeySizeAndPhoneOrderShowTheFileAndOkSavesThem) {
    const std::wstring Phone = L"Phone order (1 2 3 on top)";
    const std::string mine = "[Mine]\r\nmine=1\r\n\r\n";
    WriteBytes(SettingsFile, SettingsText({{"KeySize", 2}, {"FloatingSizeType", 1}}) + mine);
    EXPECT_EQ(Run(L"Finger", {L"Standard", L"Extra large", Phone, L"Medium"}, {L"Standard", Phone},
                  L"OK"),
              L"0101");
    const std::string saved =
        SettingsText({{"KeySize", 0}, {"PhoneOrder", 1}, {"FloatingSizeType", 1}}) + mine;
    EXPECT_EQ(ReadSettingsFile(), saved);
    EXPECT_EQ(Run(L"Finger", {L"Standard", Phone}, {L"Extra large", Phone}, L"Cancel"), L"11");
    EXPECT_EQ(ReadSettingsFile(), saved);
    EXPECT_EQ(Run(L"Finger", {}, {L"Extra large", Phone}, L"OK"), L"");
    EXPECT_EQ(ReadSettingsFile(),
              SettingsText({{"KeySize", 2}, {"PhoneOrder", 0}, {"FloatingSizeType", 1}}) + mine);
}

// The text field behind its number.
HWND Field(HWND page, int number) {
    return GetWindow(FindControl(page, std::to_wstring(number)), GW_HWNDNEXT);
}

// Opens the Sniplets page, reads what its twelve fields show ("|" after each), types the texts
// into the fields of their numbers and ends the page by a button.
std::wstring EditSniplets(DialogDriver& driver, const std::map<int, std::wstring>& typed,
                          const std::wstring& finish) {
    std::wstring shown;
    driver.When(L"Sniplets", [&](HWND page) {
        for (int number = 1; number <= SnipletCount; ++number) {
            HWND field = Field(page, number);
            EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), 255) << number;
            EXPECT_EQ(GetWindowLongW(field, GWL_STYLE) & ES_MULTILINE, 0) << number;
            shown += WindowText(field) + L"|";
        }
        for (const auto& [number, text] : typed) {
            SendMessageW(Field(page, number), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            for (wchar_t unit : text)
                PostMessageW(Field(page, number), WM_CHAR, unit, 1);
        }
        Click(page, finish);
    });
    EXPECT_EQ(ShowSnipletsPage(), finish == L"OK" ? IDOK : IDCANCEL);
    return shown;
}

// OK writes the fields' section alone (cut texts cut), Cancel nothing; the texts keep every UTF-16
// unit, a pair beyond 16 bits too.
TEST_F(Pages, SnipletFieldsShowTheFileAndOkWritesTheirSectionAlone) {
    const std::string others =
        "[Mine]\r\nText1=not a sniplet\r\n\r\n" + SettingsText({{"KeyboardType", 3}});
    const std::string x300(300, 'x');
    WriteBytes(SettingsFile,
               others + "[Sniplets]\r\nText1=Gr\xC3\xBC\xC3\x9F\r\nText12=" + x300 + "\r\n\r\n");
    const std::wstring x255(255, L'x');
    EXPECT_EQ(EditSniplets(driver, {{1, L""}, {5, L"\u20AC \U0001F600"}}, L"OK"),
              L"Gr\u00FC\u00DF|||||||||||" + x255 + L"|");
    const std::string saved = others + "[Sniplets]\r\nText12=" + x300.substr(0, 255) +
                              "\r\nText5=\xE2\x82\xAC \xF0\x9F\x98\x80\r\n\r\n";
    EXPECT_EQ(ReadSettingsFile(), saved);
    EXPECT_EQ(EditSniplets(driver, {{2, L"no"}}, L"Cancel"),
              L"||||\u20AC \U0001F600|||||||" + x255 + L"|");
    EXPECT_EQ(ReadSettingsFile(), saved);
}

// A file too large to read: told on opening, the defaults shown, nothing saved over it.
TEST_F(Pages, AFileTooLargeToReadIsToldShowsTheDefaultsAndIsNotSavedOver) {
    const std::string file = "[Keyboard]\r\nKeyboardType=3\r\n;" + std::string(1 << 20, 'x');
    WriteBytes(SettingsFile, file);
    std::vector<std::wstring> told; // each box's OK button and text
    for (int i = 0; i < 2; ++i) {
        driver.When(MessageBoxTitle(), [&](HWND box) {
            told.push_back(WindowText(GetDlgItem(box, IDOK)) + L": " + MessageBoxText(box));
            PostCommand(box, IDOK);
        });
    }
    EXPECT_EQ(Run(L"Finger", {L"Numeric"}, {L"Big numeric"}, L"OK"), L"1");
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].find(L"OK: The settings file is too large"), 0u);
    EXPECT_NE(told[1].find(L"could not be saved"), std::wstring::npos);
    EXPECT_TRUE(ReadSettingsFile() == file);
}

// The steps check the windows they close: a step that did not run leaves its dialog open.
TEST_F(Pages, TheMainWindowPlacesItsButtonsAndOpensThePagesOverItself) {
    CWinApp app;
    SetupDialog dialog;
    app.m_pMainWnd = &dialog;
    HWND mainWindow = nullptr, generalOwner = nullptr;
    driver.When(L"Plinkerpad Setup", [&](HWND main) {
        mainWindow = main;
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
        for (const auto& [id, rect] : expected)
            EXPECT_EQ(ControlRect(GetDlgItem(main, id)), rect) << "button " << id;
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_SNIPLETS)));
        EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
        // "V 1.12 - hh:mm:ss - Mmm dd yyyy", the build's own time and date.
        std::wstring version = WindowText(GetDlgItem(main, IDC_VERSION));
        for (size_t i = 9; i < 17 && i < version.size(); ++i)
            version[i] = iswdigit(version[i]) ? L'0' : version[i];
        EXPECT_EQ(version, L"V 1.12 - 00:00:00 - " __DATE__);
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
              SettingsText({{"ColorType", 2}, {"KeyboardType", 4}, {"FloatingSizeType", 2}}));
}

} // namespace
