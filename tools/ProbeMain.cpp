// PlinkerProbe.exe COMMAND: what `make run` asks of the desktop while it shows the keyboard.
//   wait notepad  waits for notepad (exit code 1 when it does not come)
//   wait keyboard waits for notepad and a keyboard ready for taps
//   key ROW COL   prints the screen point "x y" at the centre of that key
//   text          prints what notepad holds
//   close-panel   ends the input panel
//   close         ends the input panel and notepad (notepad's text is dropped)

#include "tools/Desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Wait(bool keyboardToo) {
    const auto ready = [&] {
        return FindNotepadEdit() != nullptr && (!keyboardToo || KeyboardReady());
    };
    return WaitFor(ready, 30000) ? 0 : 1;
}

int PrintKey(int row, int column) {
    HWND keyboard = FindKeyboard();
    if (keyboard == nullptr)
        return 1;
    const POINT centre = KeyCentre(keyboard, row, column);
    std::printf("%ld %ld\n", centre.x, centre.y);
    return 0;
}

int PrintText() {
    const std::wstring text = ReadNotepadText();
    std::string utf8(text.size() * 3 + 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
    return 0;
}

int ClosePanel() {
    if (HWND panel = FindWindowW(L"SipWndClass", nullptr))
        PostMessageW(panel, WM_CLOSE, 0, 0);
    return WaitFor([] { return FindWindowW(L"SipWndClass", nullptr) == nullptr; }) ? 0 : 1;
}

int CloseAll() {
    ClosePanel();
    if (HWND edit = FindNotepadEdit())
        SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    if (HWND notepad = FindNotepad())
        PostMessageW(notepad, WM_CLOSE, 0, 0);
    return WaitFor([] { return FindNotepad() == nullptr; }) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 3 && command == "wait")
        return Wait(std::strcmp(argv[2], "keyboard") == 0);
    if (argc == 4 && command == "key")
        return PrintKey(std::atoi(argv[2]), std::atoi(argv[3]));
    if (argc == 2 && command == "text")
        return PrintText();
    if (argc == 2 && command == "close-panel")
        return ClosePanel();
    if (argc == 2 && command == "close")
        return CloseAll();
    std::fprintf(
        stderr,
        "usage: PlinkerProbe wait notepad|keyboard | key ROW COL | text | close-panel | close\n");
    return 2;
}
