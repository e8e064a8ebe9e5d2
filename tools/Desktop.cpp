#include "tools/Desktop.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyboardTypes.h"

#include <utility>

namespace {

// A single cell's rectangle, as the keyboard window lays it out.
RECT CellOnScreen(HWND keyboard, int row, int column) {
    LoadSettings();
    RECT client{};
    GetClientRect(keyboard, &client);
    ComputeGeometry(client.left, client.top, client.right, client.bottom, 0, 0,
                    WindowDpi(keyboard));
    RECT cell = KeyCellsRect(row, column, KeyDef());
    MapWindowPoints(keyboard, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
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

StartedProcess StartProgram(std::wstring commandLine, DWORD creationFlags) {
    return StartProcess(std::move(commandLine), L"C:\\", creationFlags);
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

KeyGrid CurrentGrid() {
    LoadSettings();
    const Settings& settings = GetSettings();
    const KeyboardType& type = KeyboardTypes[ShownKeyboardType(settings.KeyboardType)];
    return KeyGrid{type.Columns, type.Rows, settings.No3D == 1 ? 0 : 2};
}

RECT ClientOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT KeyCentre(HWND keyboard, int row, int column) {
    const RECT cell = CellOnScreen(keyboard, row, column);
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

POINT KeyFacePoint(HWND keyboard, int row, int column) {
    const RECT cell = CellOnScreen(keyboard, row, column);
    return POINT{cell.left + 4, cell.top + 4};
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}
