// Help: the text of the help document, and the viewer started as the main window starts it.
#include "platform/peghelp/HtmlText.h"
#include "setup/Help.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

TEST(HelpText, BlocksListsEntitiesAndAnchors) {
    const HelpText help = HtmlToText(L"<html><head><title>T</title></head><body>"
                                     L"<h1>Top</h1><p>One\n  two &amp; three&#8364;</p>"
                                     L"<ul><li>first</li><li>second</li></ul></body></html>",
                                     L"");
    EXPECT_EQ(help.text, L"Top\r\n\r\nOne two & three\x20AC\r\n  - first\r\n  - second\r\n");
    EXPECT_EQ(help.anchorAt, 0u);
    EXPECT_EQ(HtmlToText(L"a & b &bogus; 3<4", L"").text, L"a & b &bogus; 3<4");
    const std::wstring html = L"<p>Intro</p><h2 id=\"Later\">Later part</h2><p>Text</p>";
    const HelpText later = HtmlToText(html, L"Later");
    EXPECT_EQ(later.text.substr(later.anchorAt, 10), L"Later part");
    EXPECT_EQ(HtmlToText(html, L"Missing").anchorAt, 0u);
    const HelpText named = HtmlToText(L"<p>a</p><a name=\"N\"></a><p>b</p>", L"N");
    EXPECT_EQ(named.text.substr(named.anchorAt), L"b\r\n");
}

TEST(Help, TheViewerOpensTheDocumentAtItsContents) {
    // The viewer and the document go into the prefix's Windows folder, where the device has them.
    ASSERT_TRUE(CopyFileW(PEGHELP_EXE, L"C:\\windows\\PegHelp.exe", FALSE));
    ASSERT_TRUE(CopyFileW(HELP_DOCUMENT, L"C:\\windows\\Plinkerpad.Hlp.htm", FALSE));
    ShowHelp();
    // A first start in a fresh prefix under load may take many seconds.
    HWND window = nullptr;
    for (int attempt = 0; attempt < 600 && !(window && IsWindowVisible(window)); ++attempt) {
        Sleep(50);
        window = FindWindowW(L"PegHelpWnd", nullptr);
    }
    // Another process's edit control answers only WM_GETTEXT itself.
    wchar_t start[13] = {};
    SendMessageW(GetDlgItem(window, 100), WM_GETTEXT, 13, reinterpret_cast<LPARAM>(start));
    EXPECT_STREQ(start, L"Plinkerpad\r\n");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
    CloseHandle(process);
}

} // namespace
