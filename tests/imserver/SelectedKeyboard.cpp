#include "tests/imserver/SelectedKeyboard.h"

namespace {

struct Grid {
    int Columns;
    int Rows;
};
constexpr Grid Grids[] = {{5, 3}, {5, 4}, {7, 3}, {6, 4}, {10, 4}, {13, 1}};

RECT ClientOf(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return client;
}

} // namespace

void SelectedKeyboard::Start(const TestSettings& wanted, bool registerCallback) {
    Stop();
    callback.Calls.clear();
    ChangeSettings(wanted);
    dll = std::make_unique<PlinkerpadDll>();
    ASSERT_NE(dll->Module(), nullptr);
    method = dll->CreateInputMethod();
    ASSERT_NE(method, nullptr);
    panel = CreatePanelWindow(PanelLeft, PanelTop, PanelWidth, PanelHeight);
    ASSERT_EQ(method->Select(panel), S_OK);
    keyboard = FindKeyboardWindow(panel);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    if (registerCallback)
        method->RegisterCallback(&callback);
    PumpMessages();
}

void SelectedKeyboard::Stop() {
    if (method != nullptr) {
        method->Deselect();
        method->Release();
    }
    if (panel != nullptr)
        DestroyWindow(panel);
    PumpMessages();
    method = nullptr;
    panel = nullptr;
    keyboard = nullptr;
    dll.reset();
}

void SelectedKeyboard::TearDown() {
    Stop();
    RemoveSettingsFile();
}

void SelectedKeyboard::ChangeSettings(const TestSettings& wanted) {
    settings = wanted;
    WriteSettingsFile(settings);
}

void SelectedKeyboard::Send(UINT message, int x, int y) {
    SendMessageW(keyboard, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, PointParam(x, y));
}

void SelectedKeyboard::Tap(int x, int y) {
    Send(WM_LBUTTONDOWN, x, y);
    Send(WM_LBUTTONUP, x, y);
}

POINT SelectedKeyboard::CellCentre(int column, int row) const {
    return {Margin() + 9 + column * KeyWidth() + KeyWidth() / 2,
            Margin() + row * KeyHeight() + KeyHeight() / 2};
}

void SelectedKeyboard::TapCell(int column, int row) {
    const POINT centre = CellCentre(column, row);
    Tap(centre.x, centre.y);
}

void SelectedKeyboard::Repaint(bool erase) {
    InvalidateRect(keyboard, nullptr, erase);
    UpdateWindow(keyboard);
}

COLORREF SelectedKeyboard::Pixel(int x, int y) const {
    HDC dc = GetDC(keyboard);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(keyboard, dc);
    return colour;
}

bool SelectedKeyboard::HasPendingPaint() const {
    RECT update;
    return GetUpdateRect(keyboard, &update, FALSE) != 0;
}

int SelectedKeyboard::Columns() const {
    return Grids[settings.KeyboardType].Columns;
}
int SelectedKeyboard::Rows() const {
    return Grids[settings.KeyboardType].Rows;
}

int SelectedKeyboard::KeyWidth() const {
    return (ClientOf(keyboard).right - Margin() - 9) / Columns();
}

int SelectedKeyboard::KeyHeight() const {
    return (ClientOf(keyboard).bottom - Margin()) / Rows();
}

RECT SelectedKeyboard::FaceRect(int column, int row) const {
    const int left = Margin() + 9 + column * KeyWidth();
    const int top = Margin() + row * KeyHeight();
    return {left, top, left + KeyWidth() - Margin(), top + KeyHeight() - Margin()};
}
