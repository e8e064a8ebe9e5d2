// Help: the text of the help document, and the viewer started as the main window starts it.
#include "foundation/OwnedHandle.h"
#include "platform/peghelp/HtmlText.h"
#include "setup/Help.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
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

// A document of the largest size read, of what made a search go to its end at every character;
// parsed in one pass, it ends well within the test's time. A larger file is not read.
TEST(HelpText, TheLargestDocumentsAreParsedInOnePassAndLargerOnesNotRead) {
    const std::wstring unclosed(MaxHtmlDocumentBytes, L'<');
    EXPECT_TRUE(HtmlToText(unclosed, L"").text == unclosed) << "1 MiB of \"<\"";
    const std::wstring ampersands(MaxHtmlDocumentBytes, L'&');
    EXPECT_TRUE(HtmlToText(ampersands, L"").text == ampersands) << "1 MiB of \"&\"";
    const std::wstring tags = std::wstring(MaxHtmlDocumentBytes / 2, L'<') + L">x";
    EXPECT_EQ(HtmlToText(tags, L"").text, L"x") << "half a MiB of \"<\", then \">x\"";
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"plinker-help.htm";
    for (const size_t size : {MaxHtmlDocumentBytes, MaxHtmlDocumentBytes + 1}) {
        SCOPED_TRACE(size);
        FILE* file = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        fwrite(std::string(size, 'a').data(), 1, size, file);
        fclose(file);
        EXPECT_EQ(ReadHtmlDocument(path).size(), size <= MaxHtmlDocumentBytes ? size : 0u);
    }
    DeleteFileW(path.c_str());
}

// The viewer is started from the Windows folder, even with a program of its name in the current
// folder (notepad here), which a bare name would start instead.
TEST(Help, TheViewerOpensTheDocumentAtItsContents) {
    // The viewer and the document go into the prefix's Windows folder, where the device has them.
    ASSERT_TRUE(CopyFileW(PEGHELP_EXE, L"C:\\windows\\PegHelp.exe", FALSE));
    ASSERT_TRUE(CopyFileW(HELP_DOCUMENT, L"C:\\windows\\Plinkerpad.Hlp.htm", FALSE));
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring decoy = std::wstring(current) + L"\\PegHelp.exe";
    ASSERT_TRUE(CopyFileW(L"C:\\windows\\notepad.exe", decoy.c_str(), FALSE));
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
    const OwnedProcess process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
    DeleteFileW(decoy.c_str());
}

} // namespace
