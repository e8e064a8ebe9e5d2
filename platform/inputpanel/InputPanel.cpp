#include "platform/inputpanel/InputPanel.h"

#include "foundation/OwnedHandle.h"
#include "platform/inputpanel/PanelPlacement.h"

namespace {

// The panel is topmost and never activated: taps on it leave the focus where it is, so the keys
// it sends reach the application.
constexpr DWORD PanelExStyle = WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
// Created hidden: a panel created visible takes the foreground at once.
constexpr DWORD PanelStyle = WS_POPUP | WS_CLIPCHILDREN;

enum MenuCommand : UINT { OptionsCommand = 1, QuitCommand = 2 };

// How often the panel looks whether another program has shown or activated a window.
constexpr UINT_PTR KeepAboveTimer = 1;
constexpr UINT KeepAboveInterval = 100; // milliseconds
// A window raises itself when its program gets to it, which on a loaded machine can be a while
// after it came to the front: the panel goes on restacking itself for so many looks after.
constexpr int RaisesAfterChange = 20;

// The first visible window below the topmost ones: a window shown or brought to the front.
HWND FirstOrdinaryWindow() {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsWindowVisible(window) && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0)
            return window;
    }
    return nullptr;
}

bool OfThisProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool RegisterPanelClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = SipWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

struct InputPanel::MessageHandler {
    UINT message;
    LRESULT (InputPanel::*handler)(WPARAM, LPARAM);
};

const InputPanel::MessageHandler InputPanel::MessageHandlers[] = {
    {WM_MOUSEACTIVATE, &InputPanel::OnMouseActivate},
    {WM_WINDOWPOSCHANGED, &InputPanel::OnWindowPosChanged},
    {WM_CONTEXTMENU, &InputPanel::OnContextMenu},
    {WM_TIMER, &InputPanel::OnTimer},
    {WM_CLOSE, &InputPanel::OnClose},
    {WM_DESTROY, &InputPanel::OnDestroy},
};

InputPanel::InputPanel(HINSTANCE instance) : instance_(instance), callback_(*this) {}

InputPanel::~InputPanel() {
    Close();
}

HRESULT InputPanel::Open(IInputMethod* method) {
    if (method == nullptr)
        return E_POINTER;
    if (method_ != nullptr)
        return E_UNEXPECTED;
    if (!CreatePanelWindow())
        return HRESULT_FROM_WIN32(GetLastError());
    const HRESULT selected = method->Select(window_);
    if (FAILED(selected)) {
        Close();
        return selected;
    }
    method_ = method;
    method_->AddRef();
    const HRESULT started = StartSelected();
    if (FAILED(started))
        Close();
    return started;
}

HRESULT InputPanel::StartSelected() {
    IMINFO info{};
    info.cbSize = sizeof(IMINFO);
    const HRESULT result = method_->GetInfo(&info);
    if (FAILED(result))
        return result;
    dockedHeight_ = DockedPanelHeight(info.rcSipRect, ScreenSize());
    docked_ = true;
    MoveTo(DockedPanelRect(ScreenSize(), dockedHeight_));
    method_->RegisterCallback(&callback_);
    started_ = true;
    ReportSipInfo();
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    method_->Showing();
    SetTimer(window_, KeepAboveTimer, KeepAboveInterval, nullptr);
    return S_OK;
}

void InputPanel::Close() {
    if (method_ != nullptr) {
        if (started_)
            method_->Hiding();
        if (window_ != nullptr)
            ShowWindow(window_, SW_HIDE);
        method_->Deselect();
        method_->Release();
        method_ = nullptr;
        started_ = false;
    }
    if (window_ != nullptr)
        DestroyWindow(window_);
}

HRESULT InputPanel::ApplyImInfo(const IMINFO& info) {
    if (window_ == nullptr)
        return E_UNEXPECTED;
    if ((info.fdwFlags & SIPF_DOCKED) != 0) {
        // Docked, the panel spans the screen's bottom as high as the input method asks; an empty
        // rectangle asks for no new height.
        if (!IsRectEmpty(&info.rcSipRect))
            dockedHeight_ = DockedPanelHeight(info.rcSipRect, ScreenSize());
        docked_ = true;
        MoveTo(DockedPanelRect(ScreenSize(), dockedHeight_));
    } else {
        if (IsRectEmpty(&info.rcSipRect))
            return E_INVALIDARG;
        docked_ = false;
        MoveTo(KeepOnScreen(info.rcSipRect, ScreenSize()));
    }
    ReportSipInfo(); // a change of the docked state alone moves nothing
    return S_OK;
}

bool InputPanel::CreatePanelWindow() {
    if (window_ != nullptr)
        return true;
    if (!RegisterPanelClass(instance_, WindowProc))
        return false;
    // Until the input method asks for its height, the panel takes the default docked place.
    const RECT rect = DockedPanelRect(ScreenSize(), DefaultPanelHeight);
    window_ = CreateWindowExW(PanelExStyle, SipWindowClass, L"Input Panel", PanelStyle, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                              nullptr, instance_, this);
    return window_ != nullptr;
}

// Other programs keep their full-screen windows above the docked panel.
void InputPanel::MoveTo(const RECT& rect) {
    if (docked_)
        SetPropW(window_, SipDockedProperty, reinterpret_cast<HANDLE>(1));
    else
        RemovePropW(window_, SipDockedProperty);
    SetWindowPos(window_, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE);
}

// The input method hears of every new size or place of the panel, and of nothing else.
void InputPanel::ReportSipInfo() {
    if (!started_)
        return;
    RECT rect{};
    GetWindowRect(window_, &rect);
    if (EqualRect(&rect, &reportedRect_) && docked_ == reportedDocked_)
        return;
    reportedRect_ = rect;
    reportedDocked_ = docked_;
    SIPINFO info = SipInfoFor(rect, ScreenSize(), docked_);
    method_->ReceiveSipInfo(&info);
}

void InputPanel::ShowOptionsMenu(POINT at) {
    OwnedMenu menu(CreatePopupMenu());
    if (!menu)
        return;
    AppendMenuW(menu, MF_STRING, OptionsCommand, L"Options...");
    AppendMenuW(menu, MF_STRING, QuitCommand, L"Quit");
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    if (command == OptionsCommand && method_ != nullptr)
        method_->UserOptionsDlg(window_);
    else if (command == QuitCommand)
        // Posted: the menu may have come from inside the input method's own window.
        PostMessageW(window_, WM_CLOSE, 0, 0);
}

LRESULT InputPanel::OnMouseActivate(WPARAM, LPARAM) {
    return MA_NOACTIVATE;
}

LRESULT InputPanel::OnWindowPosChanged(WPARAM, LPARAM) {
    ReportSipInfo();
    return 0;
}

// Right clicks on the keyboard come here too: its window passes them on to its parent.
LRESULT InputPanel::OnContextMenu(WPARAM, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (at.x == -1 && at.y == -1) {
        RECT rect{};
        GetWindowRect(window_, &rect);
        at = POINT{rect.left, rect.top};
    }
    ShowOptionsMenu(at);
    return 0;
}

// Wine without a window manager keeps the X stacking of its windows only loosely in step with its
// own z-order: a window that another program shows or activates goes to the top of the X stack,
// over the topmost panel, which then lies under it on the screen and under the finger while Wine
// still lists the panel first. Putting it first again with HWND_TOPMOST changes nothing, as it
// is first already; leaving the topmost band and coming back into it restacks it. Wine tells no
// other process of a window shown or activated, so the panel looks for one itself. Its own
// windows (its menu) are left above it.
LRESULT InputPanel::OnTimer(WPARAM, LPARAM) {
    const StackTop now{GetForegroundWindow(), FirstOrdinaryWindow()};
    if (now.foreground != stackTop_.foreground || now.firstOrdinary != stackTop_.firstOrdinary)
        raisesLeft_ = RaisesAfterChange;
    stackTop_ = now;
    if (raisesLeft_ == 0 || (now.foreground != nullptr && OfThisProcess(now.foreground)))
        return 0;
    --raisesLeft_;
    constexpr UINT Flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, Flags);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, Flags);
    return 0;
}

LRESULT InputPanel::OnClose(WPARAM, LPARAM) {
    Close();
    return 0;
}

LRESULT InputPanel::OnDestroy(WPARAM, LPARAM) {
    RemovePropW(window_, SipDockedProperty);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    PostQuitMessage(0);
    return 0;
}

LRESULT CALLBACK InputPanel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* panel = reinterpret_cast<InputPanel*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (panel != nullptr) {
        for (const MessageHandler& entry : MessageHandlers) {
            if (entry.message == message)
                return (panel->*entry.handler)(wParam, lParam);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
