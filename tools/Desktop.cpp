#include "tools/Desktop.h"

#include "foundation/Settings.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyboardTypes.h"

#include <utility>

namespace {

RECT CellOnScreen(HWND keyboard, const KeyGrid& grid, int row, int column) {
    const RECT client = ClientOnScreen(keyboard);
    const int width = (client.right - client.left - grid.margin - HandleStripWidth) / grid.columns;
    const int height = (client.bottom - client.top - grid.margin) / grid.rows;
    const int left = client.left + grid.margin + HandleStripWidth + column * width;
    const int top = client.top + grid.margin + row * height;
    return RECT{left, top, left + width, top + height};
}

} // namespace

HWND FindNotepad() {
    return FindWindowW(L"Notepad", nullptr);
}

HWND FindNotepadEdit() {
    HWND notepad = FindNotepad();
    return notepad != nullptr ? FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
}

std::wstring ReadNotepadText() {
    HWND edit = FindNotepadEdit();
    if (edit == nullptr)
        return std::wstring();
    std::wstring text(static_cast<size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    const LRESULT length =
        SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

HWND FindPanel() {
    HWND panel = FindWindowW(L"SipWndClass", nullptr);
    return panel != nullptr && IsWindowVisible(panel) ? panel : nullptr;
}

HWND FindKeyboard() {
    HWND panel = FindPanel();
    return panel != nullptr ? FindWindowExW(panel, nullptr, L"PlinkerpadWndCls", nullptr) : nullptr;
}

bool KeyboardReady() {
    HWND keyboard = FindKeyboard();
    if (keyboard == nullptr)
        return false;
    const RECT client = ClientOnScreen(keyboard);
    return ScreenPixel(POINT{client.left + 4, client.top + 4}) == RGB(128, 128, 128);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(20);
    }
    return true;
}

std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

StartedProcess StartProgram(std::wstring commandLine) {
    return StartProcess(std::move(commandLine), L"C:\\");
}

DWORD RunProgram(const std::wstring& commandLine) {
    const StartedProcess started = StartProgram(commandLine);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (started.Process) {
        WaitForSingleObject(started.Process, 30000);
        GetExitCodeProcess(started.Process, &exitCode);
    }
    return exitCode;
}

KeyGrid GridOf(int keyboardType, int no3D) {
    const KeyboardType& type =
        KeyboardTypes[keyboardType >= 0 && keyboardType < KeyboardTypeCount ? keyboardType : 0];
    return KeyGrid{type.Columns, type.Rows, no3D == 1 ? 0 : 2};
}

KeyGrid CurrentGrid() {
    return GridOf(static_cast<int>(GetPrivateProfileIntW(L"Keyboard", L"KeyboardType", 0,
                                                         SettingsFilePath().c_str())),
                  static_cast<int>(GetPrivateProfileIntW(L"GeneralSettings", L"No3D", 1,
                                                         SettingsFilePath().c_str())));
}

RECT ClientOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT KeyCentre(HWND keyboard, const KeyGrid& grid, int row, int column) {
    const RECT cell = CellOnScreen(keyboard, grid, row, column);
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

POINT KeyFacePoint(HWND keyboard, const KeyGrid& grid, int row, int column) {
    const RECT cell = CellOnScreen(keyboard, grid, row, column);
    return POINT{cell.left + 4, cell.top + 4};
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}
