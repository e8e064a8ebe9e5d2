#include "imserver/KeyboardWindow.h"

#include "imserver/KeyInput.h"
#include "imserver/KeyboardAccessible.h"
#include "imserver/KeyboardPaint.h"
#include "imserver/KeyboardTimers.h"
#include "imserver/KeyboardWindowState.h"
#include "imserver/MovingKeyboard.h"
#include "keyboard/ModuleInstance.h"

#include <iterator>
#include <new>

namespace {

using MessageHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct MessageEntry {
    UINT Message;
    MessageHandler Handler;
};

// Creation and destruction come from the system on the window's own thread; the same messages
// sent from another thread or process are forgeries, which would free the state of a live window
// or bind a second one.
bool SentByAnotherThread() {
    return InSendMessageEx(nullptr) != ISMEX_NOSEND;
}

// The state is bound before any other message can need it, and the window refuses to exist
// without it.
LRESULT OnNcCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CREATESTRUCTW* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (SentByAnotherThread() || create == nullptr || WindowStateOf(window) != nullptr)
        return FALSE;
    KeyboardWindowState* state = new (std::nothrow) KeyboardWindowState();
    if (state == nullptr)
        return FALSE;
    GetWindowRect(create->hwndParent, &state->panel.dockedRect);
    state->panel.handOver = static_cast<const KeyboardHandOver*>(create->lpCreateParams);
    BindWindowState(window, state);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT OnNcDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SentByAnotherThread())
        return 0;
    DisconnectKeyboardAccessible(window);
    delete WindowStateOf(window);
    BindWindowState(window, nullptr);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT OnPaint(HWND window, UINT, WPARAM, LPARAM) {
    return PaintKeyboard(window);
}

LRESULT OnMouse(HWND window, UINT message, WPARAM, LPARAM lParam) {
    return HandleKeyMouse(window, message, lParam);
}

LRESULT OnTouchCancelled(HWND window, UINT message, WPARAM, LPARAM lParam) {
    return CancelTouch(window, message, lParam);
}

void FollowParent(HWND window) {
    RECT parent = {};
    GetClientRect(GetParent(window), &parent);
    MoveWindow(window, 0, 0, parent.right - parent.left, parent.bottom - parent.top, TRUE);
}

// A message that names nothing the hand-over holds is not the object's, and changes nothing.
LRESULT OnSetState(HWND window, UINT, WPARAM kind, LPARAM data) {
    KeyboardWindowState* state = WindowStateOf(window);
    const KeyboardHandOver* handOver = state != nullptr ? state->panel.handOver : nullptr;
    if (handOver == nullptr)
        return 0;
    switch (kind) {
    case SetStateCallback:
        if (data == reinterpret_cast<LPARAM>(handOver->callback))
            ChangeCallback(window, *state, handOver->callback);
        break;
    case SetStateImInfo:
        if (data == reinterpret_cast<LPARAM>(&handOver->imInfo))
            state->panel.imInfo = handOver->imInfo;
        break;
    case SetStateFollowParent:
        FollowParent(window);
        break;
    default:
        break;
    }
    return 0;
}

struct TimerEntry {
    UINT_PTR Timer;
    LRESULT (*Handler)(HWND);
};

const TimerEntry KeyboardTimerHandlers[] = {
    {KeyRepeatTimer, RepeatHeldKey},
    {PressedKeyTimer, ShowPressedKey},
    {StripHoldTimer, OpenMenuOfHeldStrip},
};

// A tick of no timer of the window's changes nothing.
LRESULT OnTimer(HWND window, UINT, WPARAM timer, LPARAM) {
    for (const TimerEntry& entry : KeyboardTimerHandlers) {
        if (entry.Timer == timer)
            return entry.Handler(window);
    }
    return 0;
}

const MessageEntry KeyboardMessages[] = {
    {WM_NCCREATE, OnNcCreate},         {WM_PAINT, OnPaint},
    {WM_USER_SETSTATE, OnSetState},    {WM_LBUTTONDOWN, OnMouse},
    {WM_MOUSEMOVE, OnMouse},           {WM_LBUTTONUP, OnMouse},
    {WM_LBUTTONDBLCLK, OnMouse},       {WM_CAPTURECHANGED, OnTouchCancelled},
    {WM_CANCELMODE, OnTouchCancelled}, {WM_TIMER, OnTimer},
    {WM_GETOBJECT, AnswerGetObject},   {WM_NCDESTROY, OnNcDestroy},
};

} // namespace

bool RegisterKeyboardWindowClass() {
    WNDCLASSW windowClass = {};
    // A window of another size shows another keyboard: all of it is drawn again.
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = KeyboardWndProc;
    windowClass.hInstance = ModuleInstance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = KeyboardWindowClass;
    // Another input method object of this library may hold the class still.
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterKeyboardWindowClass() {
    UnregisterClassW(KeyboardWindowClass, ModuleInstance);
}

HWND CreateKeyboardWindow(HWND panel, const KeyboardHandOver* handOver) {
    RECT client = {};
    GetClientRect(panel, &client);
    return CreateWindowExW(0, KeyboardWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER,
                           client.left, client.top, client.right - client.left,
                           client.bottom - client.top, panel,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(KeyboardWindowId)),
                           ModuleInstance, const_cast<KeyboardHandOver*>(handOver));
}

LRESULT CALLBACK KeyboardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageEntry& entry : KeyboardMessages) {
        if (entry.Message == message)
            return entry.Handler(window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
