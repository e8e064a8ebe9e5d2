// PegHelp: the device's help viewer. "PegHelp.exe Document.htm#Anchor" shows the document's
// text in a window, scrolled to the anchor. A document named without a folder is looked for
// beside the viewer (the Windows folder), then in the current folder.
#include "platform/peghelp/HtmlText.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

const wchar_t WindowClass[] = L"PegHelpWnd";
constexpr int TextId = 100;

std::wstring ViewerFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring FindDocument(const std::wstring& name) {
    const bool hasFolder = name.find_first_of(L"\\/:") != std::wstring::npos;
    const std::wstring besideViewer = ViewerFolder() + name;
    if (!hasFolder && GetFileAttributesW(besideViewer.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return besideViewer;
    }
    return name;
}

// The last argument names the document and anchor; without one, the contents of no document.
std::wstring DocumentReference() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring reference = count > 1 ? args[count - 1] : L"";
    LocalFree(args);
    return reference;
}

LRESULT CALLBACK HelpWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetDlgItem(window, TextId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateViewer(HINSTANCE instance, const std::wstring& document) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HelpWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = WindowClass;
    RegisterClassW(&windowClass);
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const std::wstring title = L"Help - " + document.substr(document.find_last_of(L"\\/") + 1);
    HWND window = CreateWindowExW(0, WindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, area.left,
                                  area.top, area.right - area.left, area.bottom - area.top, nullptr,
                                  nullptr, instance, nullptr);
    RECT client;
    GetClientRect(window, &client);
    CreateWindowExW(
        0, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
        client.right, client.bottom, window, reinterpret_cast<HMENU>(TextId), instance, nullptr);
    return window;
}

void ShowDocument(HWND window, const HelpText& help) {
    HWND text = GetDlgItem(window, TextId);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    SetWindowTextW(text, help.text.c_str());
    const LRESULT line = SendMessageW(text, EM_LINEFROMCHAR, help.anchorAt, 0);
    SendMessageW(text, EM_LINESCROLL, 0, line);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    const std::wstring reference = DocumentReference();
    const size_t hash = reference.find(L'#');
    const std::wstring document = FindDocument(reference.substr(0, hash));
    const std::wstring anchor = hash == std::wstring::npos ? L"" : reference.substr(hash + 1);
    std::wstring html = ReadHtmlDocument(document);
    if (html.empty()) {
        html = L"<p>The help document " + document + L" could not be read.</p>";
    }
    HWND window = CreateViewer(instance, document);
    ShowDocument(window, HtmlToText(html, anchor));
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
