// TapTarget.exe: the application being typed into, a window whose edit control has the focus.
// Each character stamps the time of its arrival into the bench's record and wakes the bench, and
// so does each key release.
#include "bench/TapPath.h"
#include "bench/Timing.h"

namespace {

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateFrame(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = TapTargetClass;
    RegisterClassW(&windowClass);
    const RECT r = TapTargetRect;
    return CreateWindowExW(0, TapTargetClass, L"Tap target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           instance, nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, TapRecordName);
    HANDLE typed = OpenEventW(EVENT_MODIFY_STATE, FALSE, TapTypedEventName);
    HANDLE released = OpenEventW(EVENT_MODIFY_STATE, FALSE, TapReleasedEventName);
    auto* record =
        static_cast<TapRecord*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TapRecord)));
    HWND frame = CreateFrame(instance);
    if (record == nullptr || typed == nullptr || released == nullptr || frame == nullptr)
        return 1;
    RECT client{};
    GetClientRect(frame, &client);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                                client.right, client.bottom, frame, nullptr, instance, nullptr);
    SetFocus(edit);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_CHAR && message.hwnd == edit)
            record->CharTicks = Ticks();
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (message.hwnd == edit && (message.message == WM_CHAR || message.message == WM_KEYUP))
            SetEvent(message.message == WM_CHAR ? typed : released);
    }
    UnmapViewOfFile(record);
    CloseHandle(released);
    CloseHandle(typed);
    CloseHandle(mapping);
    return 0;
}
