// Figures of the input method's hot paths, each beside a floor measured in the same run:
// settings reload, a full keyboard paint, a tap through to the callback.
#include "foundation/Settings.h"
#include "tests/imserver/ImServerHarness.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int KeyboardWidth = 240;
constexpr int KeyboardHeight = 80;
constexpr int Rounds = 15;

// A callback that only counts, so the tap's own cost is measured.
class CountingCallback : public RecordingCallback {
public:
    STDMETHODIMP SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override {
        ++events;
        return S_OK;
    }
    long events = 0;
};

double Now() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart / 1e6;
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart / ticksPerMicrosecond;
}

// Median over rounds of the mean time of one call, in microseconds.
template <typename Work> double Measure(int callsPerRound, Work work) {
    std::vector<double> means;
    work(); // warm up
    for (int round = 0; round < Rounds; ++round) {
        const double start = Now();
        for (int i = 0; i < callsPerRound; ++i)
            work();
        means.push_back((Now() - start) / callsPerRound);
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
}

void Report(const char* what, double micros, double floorMicros, const char* floorName) {
    std::printf("%-34s %9.2f us   floor %-28s %8.2f us   ratio %6.2f\n", what, micros, floorName,
                floorMicros, micros / floorMicros);
}

void ReadWholeFile(const wchar_t* path) {
    char buffer[4096];
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
}

void BenchLoadSettings() {
    WriteSettingsFile({});
    const std::wstring path = SettingsFilePath();
    const double load = Measure(2000, [] { LoadSettings(); });
    const double floor = Measure(2000, [&] { ReadWholeFile(path.c_str()); });
    Report("LoadSettings", load, floor, "CreateFile/ReadFile/Close");
}

LRESULT CALLBACK IdleWndProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

HWND CreateIdleWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = IdleWndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PlinkerpadBenchIdle";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
}

double BitBltFloor(HWND keyboard) {
    HDC window = GetDC(keyboard);
    HDC memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, KeyboardWidth, KeyboardHeight);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const double floor = Measure(200, [&] {
        BitBlt(window, 0, 0, KeyboardWidth, KeyboardHeight, memory, 0, 0, SRCCOPY);
        GdiFlush();
    });
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(keyboard, window);
    return floor;
}

void BenchPaintAndTap() {
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    if (method == nullptr) {
        std::printf("Plinkerpad.dll could not be loaded\n");
        return;
    }
    // The keyboard window has a border: its client area is the panel's less two pixels.
    HWND panel = CreatePanelWindow(50, 100, KeyboardWidth + 2, KeyboardHeight + 2);
    method->Select(panel);
    IMINFO info = {};
    method->GetInfo(&info);
    CountingCallback callback;
    method->RegisterCallback(&callback);
    PumpMessages();
    HWND keyboard = FindKeyboardWindow(panel);

    const double blit = BitBltFloor(keyboard);
    for (int type = 0; type <= 5; ++type) {
        WriteSettingsFile({1, 0, type, 0});
        const double paint = Measure(200, [&] {
            InvalidateRect(keyboard, nullptr, FALSE);
            UpdateWindow(keyboard);
            GdiFlush();
        });
        char name[64];
        std::snprintf(name, sizeof(name), "full paint, keyboard type %d", type);
        Report(name, paint, blit, "BitBlt 240x80");
    }

    WriteSettingsFile({1, 0, 0, 0});
    const LPARAM seven = PointParam(11 + 45 + 20, 2 + 10); // "7" of the numeric keyboard
    const double tap = Measure(2000, [&] {
        SendMessageW(keyboard, WM_LBUTTONDOWN, MK_LBUTTON, seven);
        SendMessageW(keyboard, WM_LBUTTONUP, 0, seven);
    });
    HWND idle = CreateIdleWindow();
    const double sends = Measure(2000, [&] {
        SendMessageW(idle, WM_LBUTTONDOWN, MK_LBUTTON, seven);
        SendMessageW(idle, WM_LBUTTONUP, 0, seven);
    });
    Report("tap on a digit to the callback", tap, sends, "two SendMessage, idle window");
    std::printf("(%ld key events recorded)\n", callback.events);
    ValidateRect(keyboard, nullptr);

    DestroyWindow(idle);
    method->Deselect();
    method->Release();
    DestroyWindow(panel);
    PumpMessages();
}

} // namespace

int main() {
    BenchLoadSettings();
    BenchPaintAndTap();
    RemoveSettingsFile();
    return 0;
}
