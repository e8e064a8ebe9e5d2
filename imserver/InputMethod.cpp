#include "imserver/InputMethod.h"

#include "foundation/Process.h"
#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "imserver/KeyboardWindowState.h"
#include "imserver/PanelStates.h"
#include "imserver/ServerModule.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/ModuleInstance.h"

#include <cstring>
#include <string>

namespace {

constexpr COLORREF MaskColor = 0x00FFFFFF;

// An icon image list of one picture at index 0, loaded from the library's bitmap resource.
HIMAGELIST CreateIconList(int width, int height, const wchar_t* resource) {
    HIMAGELIST list = ImageList_Create(width, height, ILC_MASK, 1, 0);
    const OwnedBitmap bitmap(LoadBitmapW(ModuleInstance, resource));
    ImageList_AddMasked(list, bitmap, MaskColor);
    return list;
}

// The panel size follows the metrics of the last geometry; before any, the docked size of the
// current settings for the keyboard window as it is now.
void EnsureGeometry(HWND window) {
    if (CurrentLayout >= 0)
        return;
    RECT client = {};
    if (window != nullptr)
        GetClientRect(window, &client);
    CurrentLayout = ComputeGeometry(client.left, client.top, client.right, client.bottom, 0,
                                    AlternatePage, WindowDpi(window));
}

// The keyboards are built once per loaded library, before any key can be tapped; the first build
// also marks the panel shown and docked, after reloading the settings.
void EnsureKeyboards() {
    if (KeyboardsBuilt())
        return;
    BuildKeyboards();
    GetSettings().SipState = ShownDocked;
}

} // namespace

InputMethod::InputMethod() {
    InterlockedIncrement(&ModuleObjectCount);
}

// A host may release the object while it is selected: what Select made goes with it.
InputMethod::~InputMethod() {
    if (keyboardWindow != nullptr)
        Deselect();
    InterlockedDecrement(&ModuleObjectCount);
}

STDMETHODIMP InputMethod::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInputMethod)) {
        *out = static_cast<IInputMethod*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) InputMethod::AddRef() {
    return InterlockedIncrement(&refCount);
}

STDMETHODIMP_(ULONG) InputMethod::Release() {
    const LONG count = InterlockedDecrement(&refCount);
    if (count == 0)
        delete this;
    return count;
}

// A Select while selected first ends the earlier selection: there is never a second keyboard.
STDMETHODIMP InputMethod::Select(HWND panel) {
    if (keyboardWindow != nullptr)
        Deselect();
    GetSettings().SipState = ShownDocked;
    EnsureKeyboards();
    narrowImages.Attach(CreateIconList(16, 16, L"BMP_NARROW"));
    wideImages.Attach(CreateIconList(32, 16, L"BMP_WIDE"));
    if (!RegisterKeyboardWindowClass())
        return E_FAIL;
    keyboardWindow = CreateKeyboardWindow(panel, &handOver);
    if (IsWindow(keyboardWindow))
        return S_OK;
    // Leave nothing behind, so that a later Select can succeed.
    Deselect();
    return E_FAIL;
}

// A key still held is released before its window goes.
STDMETHODIMP InputMethod::Deselect() {
    if (keyboardWindow != nullptr) {
        SendMessageW(keyboardWindow, WM_CANCELMODE, 0, 0);
        DestroyWindow(keyboardWindow);
    }
    keyboardWindow = nullptr;
    UnregisterKeyboardWindowClass();
    narrowImages.Reset();
    wideImages.Reset();
    return S_OK;
}

STDMETHODIMP InputMethod::Showing() {
    GetSettings().SipState |= SIPF_ON;
    return S_OK;
}

STDMETHODIMP InputMethod::Hiding() {
    GetSettings().SipState &= ~SIPF_ON;
    if (keyboardWindow != nullptr)
        SendMessageW(keyboardWindow, WM_CANCELMODE, 0, 0);
    return S_OK;
}

// The caller's structure is written no further than its cbSize says (0: the whole of it); the
// window keeps the whole information for the moving keyboard.
STDMETHODIMP InputMethod::GetInfo(IMINFO* info) {
    if (info == nullptr)
        return E_POINTER;
    EnsureKeyboards();
    EnsureGeometry(keyboardWindow);
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    IMINFO& whole = handOver.imInfo;
    whole.cbSize = sizeof(IMINFO);
    whole.hImageNarrow = narrowImages.Get();
    whole.hImageWide = wideImages.Get();
    whole.iNarrow = 0;
    whole.iWide = 0;
    whole.fdwFlags = SIPF_DOCKED;
    whole.rcSipRect = {0, 0, metrics.PanelWidth, metrics.PanelHeight};
    IMINFO reported = whole;
    if (info->cbSize != 0 && info->cbSize < sizeof(IMINFO))
        reported.cbSize = info->cbSize;
    std::memcpy(info, &reported, reported.cbSize);
    if (keyboardWindow != nullptr)
        SendMessageW(keyboardWindow, WM_USER_SETSTATE, SetStateImInfo,
                     reinterpret_cast<LPARAM>(&whole));
    return S_OK;
}

// Floating, the platform's visible desktop ends higher by the height of its bar.
STDMETHODIMP InputMethod::ReceiveSipInfo(SIPINFO* info) {
    if (info != nullptr && GetSettings().SipState == static_cast<int>(ShownFloating))
        info->rcVisibleDesktop.bottom -= PlatformBarHeightAt(WindowDpi(keyboardWindow));
    if (keyboardWindow != nullptr)
        SendMessageW(keyboardWindow, WM_USER_SETSTATE, SetStateFollowParent,
                     reinterpret_cast<LPARAM>(info));
    return S_OK;
}

// The window learns the callback when it handles the posted message, from the hand-over.
STDMETHODIMP InputMethod::RegisterCallback(IIMCallback* callback) {
    handOver.callback = callback;
    if (keyboardWindow != nullptr)
        PostMessageW(keyboardWindow, WM_USER_SETSTATE, SetStateCallback,
                     reinterpret_cast<LPARAM>(callback));
    return S_OK;
}

STDMETHODIMP InputMethod::GetImData(DWORD, void*) {
    return E_FAIL;
}

STDMETHODIMP InputMethod::SetImData(DWORD, void*) {
    return S_OK;
}

// Starts the setup program without waiting; its saved changes show at the next paint.
STDMETHODIMP InputMethod::UserOptionsDlg(HWND) {
    StartProcess(WindowsFolderProgram(L"PlinkerpadSetup.exe"));
    LoadSettings();
    return S_OK;
}
