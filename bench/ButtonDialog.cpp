// ButtonDialog.exe: a dialog of 40 standard buttons, whose names a reader reads through the
// platform's own accessible objects: the floor of reading the keyboard's names.
#include <windows.h>

#include <string>

namespace {

constexpr int ButtonCount = 40;
constexpr int ButtonsPerRow = 10;
constexpr int ButtonWidth = 40;
constexpr int ButtonHeight = 30;

} // namespace

// Ends at WM_QUIT.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND dialog = CreateWindowExW(WS_EX_NOACTIVATE, L"#32770", L"Forty buttons",
                                  WS_POPUP | WS_VISIBLE, 0, 200, ButtonsPerRow * ButtonWidth,
                                  ButtonCount / ButtonsPerRow * ButtonHeight, nullptr, nullptr,
                                  instance, nullptr);
    if (dialog == nullptr)
        return 1;
    for (int i = 0; i < ButtonCount; ++i) {
        CreateWindowExW(0, L"BUTTON", std::to_wstring(i + 1).c_str(),
                        WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, i % ButtonsPerRow * ButtonWidth,
                        i / ButtonsPerRow * ButtonHeight, ButtonWidth, ButtonHeight, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
