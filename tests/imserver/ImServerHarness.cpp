#include "tests/imserver/ImServerHarness.h"

#include <cstdio>

namespace {

constexpr wchar_t SettingsPath[] = L"C:\\Plinkerpad.ini";

// Columns and rows of each keyboard type.
constexpr int Grids[][2] = {{5, 3}, {5, 4}, {7, 3}, {6, 4}, {10, 4}, {13, 1}};

std::string Format(const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

template <typename Function> Function ExportOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

void WriteSettingsFile(const TestSettings& settings) {
    FILE* file = _wfopen(SettingsPath, L"wt");
    if (file == nullptr)
        return;
    fprintf(file, "[Internal]\nPosX=50\nPosY=50\n\n");
    fprintf(file, "[GeneralSettings]\nDlgBtnBottom=0\nShowDlgBtn=1\nColorType=%d\nNo3D=%d\n\n",
            settings.ColorType, settings.No3D);
    fprintf(file, "[Keyboard]\nFloatingSizeType=%d\nKeyboardType=%d\n\n", settings.FloatingSizeType,
            settings.KeyboardType);
    fclose(file);
}

STDMETHODIMP RecordingCallback::QueryInterface(REFIID iid, void** out) {
    const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IIMCallback);
    *out = known ? this : nullptr;
    return known ? (AddRef(), S_OK) : E_NOINTERFACE;
}

STDMETHODIMP RecordingCallback::SetImInfo(IMINFO* info) {
    Calls.push_back(ImInfoCall(info->fdwFlags, info->rcSipRect));
    return S_OK;
}

STDMETHODIMP RecordingCallback::SendVirtualKey(BYTE key, DWORD flags) {
    Calls.push_back(Format("vkey 0x%x %lu", key, flags));
    return S_OK;
}

STDMETHODIMP RecordingCallback::SendCharEvents(UINT key, UINT flags, UINT count, UINT* shift,
                                               UINT* chars) {
    Calls.push_back(
        Format("chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", key, flags, count, *shift, *chars));
    return S_OK;
}

STDMETHODIMP RecordingCallback::SendString(BSTR, DWORD) {
    Calls.push_back("string");
    return S_OK;
}

std::vector<std::string> Typed(std::initializer_list<std::array<UINT, 3>> keys) {
    std::vector<std::string> calls;
    for (const auto& key : keys) {
        for (UINT flags : {0x80u, 0x10040u})
            calls.push_back(Format("chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", key[0], flags,
                                   key[2], flags, key[1]));
    }
    return calls;
}

std::string ImInfoCall(DWORD flags, const RECT& rect) {
    return Format("iminfo flags=%lu (%ld,%ld,%ld,%ld)", flags, rect.left, rect.top, rect.right,
                  rect.bottom);
}

HRESULT PlinkerpadDll::GetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
    using Function = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    return ExportOf<Function>(Module, "DllGetClassObject")(clsid, iid, out);
}

HRESULT PlinkerpadDll::Call(const char* name) const {
    return ExportOf<HRESULT(STDAPICALLTYPE*)()>(Module, name)();
}

IInputMethod* PlinkerpadDll::CreateInputMethod() const {
    IClassFactory* factory = nullptr;
    IInputMethod* method = nullptr;
    if (SUCCEEDED(
            GetClassObject(TestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        factory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&method));
        factory->Release();
    }
    return method;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND CreatePanelWindow(int left, int top, int width, int height) {
    HWND panel = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, top,
                                 width, height, nullptr, nullptr, nullptr, nullptr);
    PumpMessages();
    return panel;
}

void SelectedKeyboard::Start(const TestSettings& wanted, bool registerCallback) {
    Stop();
    callback.Calls.clear();
    ChangeSettings(wanted);
    dll = std::make_unique<PlinkerpadDll>();
    ASSERT_NE(dll->Module, nullptr);
    method = dll->CreateInputMethod();
    ASSERT_NE(method, nullptr);
    panel = CreatePanelWindow(100, 150, 240, 80);
    ASSERT_EQ(method->Select(panel), S_OK);
    keyboard = FindWindowExW(panel, nullptr, L"PlinkerpadWndCls", nullptr);
    ASSERT_NE(keyboard, nullptr);
    IMINFO info = {};
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
    DestroyWindow(panel);
    PumpMessages();
    method = nullptr;
    panel = keyboard = nullptr;
    dll.reset();
}

void SelectedKeyboard::TearDown() {
    Stop();
    DeleteFileW(SettingsPath);
}

void SelectedKeyboard::Send(UINT message, int x, int y) {
    const LPARAM point = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    SendMessageW(keyboard, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, point);
}

void SelectedKeyboard::Tap(int x, int y) {
    Send(WM_LBUTTONDOWN, x, y);
    Send(WM_LBUTTONUP, x, y);
}

void SelectedKeyboard::TapCell(int column, int row) {
    const POINT centre = CellCentre(column, row);
    Tap(centre.x, centre.y);
}

LONG SelectedKeyboard::VisibleBottom() {
    SIPINFO sip = {};
    sip.cbSize = sizeof(sip);
    sip.rcVisibleDesktop = {0, 0, 640, 480};
    method->ReceiveSipInfo(&sip);
    return sip.rcVisibleDesktop.bottom;
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

RECT SelectedKeyboard::FaceRect(int column, int row) const {
    RECT client = {};
    GetClientRect(keyboard, &client);
    const int margin = Margin();
    const int width = (client.right - margin - 9) / Grids[settings.KeyboardType][0];
    const int height = (client.bottom - margin) / Grids[settings.KeyboardType][1];
    const int left = margin + 9 + column * width;
    const int top = margin + row * height;
    return {left, top, left + width - margin, top + height - margin};
}

POINT SelectedKeyboard::CellCentre(int column, int row) const {
    const RECT face = FaceRect(column, row);
    return {(face.left + face.right + Margin()) / 2, (face.top + face.bottom + Margin()) / 2};
}
