#include "tests/imserver/ImServerHarness.h"

#include <cstdio>

namespace {

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[160];
    snprintf(text, sizeof(text), format, args...);
    return text;
}

std::string CharCall(UINT key, UINT flags, UINT count, UINT shift, UINT character) {
    return Format("chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", key, flags, count, shift,
                  character);
}

template <typename Function> Function ExportOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

void WriteSettingsFile(const TestSettings& s) {
    if (FILE* file = _wfopen(L"C:\\Plinkerpad.ini", L"wt")) {
        fprintf(file, "[Internal]\nPosX=50\nPosY=50\n[GeneralSettings]\nDlgBtnBottom=0\n");
        fprintf(file, "ShowDlgBtn=1\nColorType=%d\nNo3D=%d\n", s.ColorType, s.No3D);
        fprintf(file, "[Keyboard]\nFloatingSizeType=%d\nKeyboardType=%d\n", s.FloatingSizeType,
                s.KeyboardType);
        fclose(file);
    }
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
    Calls.push_back(CharCall(key, flags, count, *shift, *chars));
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
            calls.push_back(CharCall(key[0], flags, key[2], flags, key[1]));
    }
    return calls;
}

std::string ImInfoCall(DWORD flags, const RECT& r) {
    return Format("iminfo flags=%lu (%ld,%ld,%ld,%ld)", flags, r.left, r.top, r.right, r.bottom);
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
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

HWND CreatePanelWindow(int left, int top, int width, int height) {
    HWND panel = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, top,
                                 width, height, nullptr, nullptr, nullptr, nullptr);
    PumpMessages();
    return panel;
}

HWND FindKeyboardWindow(HWND panel) {
    return FindWindowExW(panel, nullptr, L"PlinkerpadWndCls", nullptr);
}
