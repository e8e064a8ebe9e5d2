#include "bench/SizesBench.h"

#include "bench/EmptyPaint.h"
#include "bench/Timing.h"
#include "foundation/OwnedHandle.h"
#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "keyboard/Geometry.h"
#include "tests/support/ImServerHarness.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int Rounds = 21;
const char* const KeySizeNames[] = {"Standard", "Large", "Extra large"};

double Millimetres(int pixels, int dpi) {
    return pixels * 25.4 / dpi;
}

int ScreenDpiNow() {
    return WindowDpi(nullptr);
}

// The panel the numeric keyboard asks for, docked, at the key size in the settings file.
SIZE DockedPanel() {
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    IMINFO info = {};
    if (method != nullptr) {
        method->GetInfo(&info);
        method->Release();
    }
    return {info.rcSipRect.right, info.rcSipRect.bottom};
}

// The rows of black pixels inside the face of the key at row, column as the keyboard shows it.
int InkHeight(HWND keyboard, int row, int column) {
    LoadSettings();
    RECT client = {};
    GetClientRect(keyboard, &client);
    ComputeGeometry(0, 0, client.right, client.bottom, 0, 0, WindowDpi(keyboard));
    const RECT cell = KeyCellsRect(row, column, KeyDef());
    const int margin = GetSettings().Metrics.KeyMargin;
    const WindowDc dc(keyboard);
    int top = -1, bottom = -1;
    for (int y = cell.top + 2; y < cell.bottom - margin - 2; ++y)
        for (int x = cell.left + 2; x < cell.right - margin - 2; ++x)
            if (GetPixel(dc.DC(), x, y) == 0) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

// "7" of the numeric keyboard docked in the panel it asks for.
int DigitHeight(SIZE panelSize) {
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    if (method == nullptr)
        return 0;
    HWND panel = CreatePanelWindow(0, 100, panelSize.cx, panelSize.cy);
    method->Select(panel);
    IMINFO info = {};
    method->GetInfo(&info); // builds the keyboards
    HWND keyboard = FindKeyboardWindow(panel);
    InvalidateRect(keyboard, nullptr, FALSE);
    UpdateWindow(keyboard);
    const int height = InkHeight(keyboard, 0, 1);
    method->Deselect();
    method->Release();
    DestroyWindow(panel);
    PumpMessages();
    return height;
}

// The floating keys of the numeric keyboard, Small and Large, by the library's own geometry.
std::pair<int, int> FloatingKeys(int keySize, int dpi) {
    Settings& settings = GetSettings();
    settings.KeyboardType = 0;
    settings.KeySize = keySize;
    settings.FloatingSizeType = 0;
    ComputeGeometry(0, 0, 0, 0, 1, 0, dpi);
    const int small = settings.Metrics.KeyHeight;
    settings.FloatingSizeType = 2;
    ComputeGeometry(0, 0, 0, 0, 1, 0, dpi);
    return {small, settings.Metrics.KeyHeight};
}

const wchar_t* BareClass() {
    static const wchar_t* const name = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = EmptyPaintWndProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = L"PlinkerpadBenchBare";
        RegisterClassW(&windowClass);
        return L"PlinkerpadBenchBare";
    }();
    return name;
}

HWND BareChild(HWND parent, SIZE size) {
    HWND child = CreateWindowExW(0, BareClass(), L"", WS_CHILD | WS_VISIBLE, 0, 0, size.cx, size.cy,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(child, SW_SHOWNA);
    return child;
}

template <typename Work, typename Floor>
void Compare(const char* what, const char* floorName, int calls, Work work, Floor floor) {
    work();
    floor();
    std::vector<double> works, floors, ratios;
    for (int round = 0; round < Rounds; ++round) {
        double start = Now();
        for (int i = 0; i < calls; ++i)
            work();
        works.push_back((Now() - start) / calls);
        start = Now();
        for (int i = 0; i < calls; ++i)
            floor();
        floors.push_back((Now() - start) / calls);
        ratios.push_back(works.back() / floors.back());
    }
    std::printf("%-31s %8.2f us   floor %-29s %7.2f us   ratio %6.2f\n", what, Median(works),
                floorName, Median(floors), Median(ratios));
}

} // namespace

void BenchKeySizes() {
    const int dpi = ScreenDpiNow();
    for (int keySize = 0; keySize < 3; ++keySize) {
        WriteSettingsFile({1, 0, 0, 0, {}, keySize});
        const SIZE panel = DockedPanel();
        const int row = panel.cy / 3, digit = DigitHeight(panel);
        const auto [small, large] = FloatingKeys(keySize, dpi);
        std::printf("key size %-11s at %3d DPI: docked row %3d px = %5.2f mm, floating keys "
                    "%2d-%2d px = %5.2f-%5.2f mm, digit %2d px = %4.2f mm\n",
                    KeySizeNames[keySize], dpi, row, Millimetres(row, dpi), small, large,
                    Millimetres(small, dpi), Millimetres(large, dpi), digit,
                    Millimetres(digit, dpi));
    }
}

void BenchStartUp() {
    WriteSettingsFile({1, 0, 0, 0});
    const SIZE size = {240, 80};
    HWND panel = CreatePanelWindow(0, 100, size.cx + 2, size.cy + 2);
    const auto startUp = [&] {
        PlinkerpadDll dll;
        IInputMethod* method = dll.CreateInputMethod();
        method->Select(panel);
        IMINFO info = {};
        method->GetInfo(&info);
        UpdateWindow(FindKeyboardWindow(panel));
        GdiFlush();
        method->Deselect();
        method->Release();
    };
    const auto bare = [&] {
        HWND child = BareChild(panel, size);
        UpdateWindow(child);
        GdiFlush();
        DestroyWindow(child);
    };
    Compare("LoadLibrary to first paint", "bare child window's first paint", 5, startUp, bare);
    DestroyWindow(panel);
    PumpMessages();
}

void BenchLargestPaint() {
    if (ScreenDpiNow() != 192)
        return;
    WriteSettingsFile({1, 0, 0, 0, {}, 2});
    const SIZE asked = DockedPanel();
    const SIZE size = {1920, asked.cy};
    HWND panel = CreatePanelWindow(0, 0, size.cx + 2, size.cy + 2);
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    method->Select(panel);
    IMINFO info = {};
    method->GetInfo(&info);
    HWND keyboard = FindKeyboardWindow(panel);
    UpdateWindow(keyboard);
    HWND empty = BareChild(panel, {1, 1});
    const WindowDc target(keyboard);
    const OwnedMemoryDc memory(CreateCompatibleDC(target.DC()));
    const OwnedBitmap bitmap(CreateCompatibleBitmap(target.DC(), size.cx, size.cy));
    const SelectedObject selected(memory, bitmap);
    const auto paint = [&] {
        InvalidateRect(keyboard, nullptr, FALSE);
        UpdateWindow(keyboard);
        GdiFlush();
    };
    const auto floor = [&] {
        InvalidateRect(empty, nullptr, FALSE);
        UpdateWindow(empty);
        BitBlt(target.DC(), 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
        GdiFlush();
    };
    char name[64];
    std::snprintf(name, sizeof(name), "full paint, %ldx%ld Extra large", size.cx, size.cy);
    Compare(name, "empty paint + BitBlt", 100, paint, floor);
    DestroyWindow(empty);
    method->Deselect();
    method->Release();
    DestroyWindow(panel);
    PumpMessages();
}
