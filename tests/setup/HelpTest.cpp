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

// The first line that the viewer shows once it is up; then closes it.
std::wstring FirstVisibleLineOfTheViewer() {
    HWND window = nullptr;
    for (int attempt = 0; attempt < 200 && !(window && IsWindowVisible(window)); ++attempt) {
        Sleep(50);
        window = FindWindowW(L"PegHelpWnd", nullptr);
    }
    HWND text = GetDlgItem(window, 100);
    // Another process's edit control answers only WM_GETTEXT itself.
    std::wstring all(SendMessageW(text, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    all.resize(SendMessageW(text, WM_GETTEXT, all.size(), reinterpret_cast<LPARAM>(&all[0])));
    const LRESULT first = SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0);
    const size_t start = static_cast<size_t>(SendMessageW(text, EM_LINEINDEX, first, 0));
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    return start < all.size() ? all.substr(start, all.find(L'\r', start) - start) : L"";
}

TEST(Help, TheViewerOpensTheDocumentAtItsContents) {
    // The viewer and the document go into the prefix's Windows folder, where the device has them.
    ASSERT_TRUE(CopyFileW(PEGHELP_EXE, L"C:\\windows\\PegHelp.exe", FALSE));
    ASSERT_TRUE(CopyFileW(HELP_DOCUMENT, L"C:\\windows\\Plinkerpad.Hlp.htm", FALSE));
    ShowHelp();
    EXPECT_EQ(FirstVisibleLineOfTheViewer(), L"Plinkerpad");
}

} // namespace
