#include "tests/imserver/ImServerHarness.h"

#include <cstdio>

namespace {

constexpr wchar_t SettingsPath[] = L"C:\\Plinkerpad.ini";
constexpr wchar_t PanelClass[] = L"PlinkerpadTestPanel";

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

void RemoveSettingsFile() {
    DeleteFileW(SettingsPath);
}

STDMETHODIMP RecordingCallback::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IIMCallback)) {
        *out = this;
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
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

std::string CharCall(UINT key, UINT flags, UINT count, UINT character) {
    return Format("chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", key, flags, count, flags,
                  character);
}
std::string PressOf(UINT key, UINT character) {
    return CharCall(key, 0x80, 1, character);
}
std::string ReleaseOf(UINT key, UINT character) {
    return CharCall(key, 0x10040, 1, character);
}
std::string VirtualKeyPress(UINT key) {
    return CharCall(key, 0x80, 0, key);
}
std::string VirtualKeyRelease(UINT key) {
    return CharCall(key, 0x10040, 0, key);
}

std::string ImInfoCall(DWORD flags, const RECT& rect) {
    return Format("iminfo flags=%lu (%ld,%ld,%ld,%ld)", flags, rect.left, rect.top, rect.right,
                  rect.bottom);
}

PlinkerpadDll::PlinkerpadDll() : module(LoadLibraryW(L"Plinkerpad.dll")) {}

PlinkerpadDll::~PlinkerpadDll() {
    if (module != nullptr)
        FreeLibrary(module);
}

HRESULT PlinkerpadDll::GetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
    using Function = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    return ExportOf<Function>(module, "DllGetClassObject")(clsid, iid, out);
}

HRESULT PlinkerpadDll::CanUnloadNow() const {
    return ExportOf<HRESULT(STDAPICALLTYPE*)()>(module, "DllCanUnloadNow")();
}

HRESULT PlinkerpadDll::Register() const {
    return ExportOf<HRESULT(STDAPICALLTYPE*)()>(module, "DllRegisterServer")();
}

HRESULT PlinkerpadDll::Unregister() const {
    return ExportOf<HRESULT(STDAPICALLTYPE*)()>(module, "DllUnregisterServer")();
}

IInputMethod* PlinkerpadDll::CreateInputMethod() const {
    IClassFactory* factory = nullptr;
    if (FAILED(GetClassObject(TestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    IInputMethod* method = nullptr;
    factory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&method));
    factory->Release();
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
    static const ATOM panelClass = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = PanelClass;
        return RegisterClassW(&windowClass);
    }();
    (void)panelClass;
    HWND panel =
        CreateWindowExW(WS_EX_TOOLWINDOW, PanelClass, L"", WS_POPUP | WS_VISIBLE, left, top, width,
                        height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
    return panel;
}

HWND FindKeyboardWindow(HWND panel) {
    return FindWindowExW(panel, nullptr, L"PlinkerpadWndCls", nullptr);
}

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}
