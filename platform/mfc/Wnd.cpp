#include "platform/mfc/Wnd.h"

#include "platform/mfc/DataExchange.h"
#include "platform/mfc/Font.h"
#include "platform/sip/sip.h"

namespace {

// The window property that names the CWnd a window is subclassed to.
const wchar_t WndProperty[] = L"Plinker.CWnd";

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = static_cast<CWnd*>(GetPropW(hWnd, WndProperty));
    if (!wnd) {
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
    WNDPROC super = wnd->m_pfnSuper;
    if (message == WM_NCDESTROY) {
        // The window goes: the object lets go of it and no longer destroys it.
        wnd->UnsubclassWindow();
        return CallWindowProcW(super, hWnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!wnd->Dispatch(message, wParam, lParam, &result)) {
        result = CallWindowProcW(super, hWnd, message, wParam, lParam);
    }
    return result;
}

CWnd::~CWnd() {
    if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    return hWnd != nullptr;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd) {
        return FALSE;
    }
    if (CWnd* previous = static_cast<CWnd*>(GetPropW(hWnd, WndProperty))) {
        m_pfnSuper = previous->m_pfnSuper;
        previous->m_pfnSuper = nullptr;
        previous->m_hWnd = nullptr;
    } else {
        m_pfnSuper = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    }
    SetPropW(hWnd, WndProperty, this);
    return Attach(hWnd);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd && m_pfnSuper) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropW(m_hWnd, WndProperty);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
    HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    HWND hWnd = CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left,
                                rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                GetModuleHandleW(nullptr), nullptr);
    return SubclassWindow(hWnd);
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd) {
        return FALSE;
    }
    // WM_NCDESTROY detaches a subclassed window; a merely attached one is let go here.
    BOOL done = ::DestroyWindow(hWnd);
    if (m_hWnd == hWnd) {
        Detach();
    }
    return done;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::SetWindowText(LPCWSTR lpszString) {
    ::SetWindowTextW(m_hWnd, lpszString);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    HFONT font = pFont ? pFont->m_hObject : nullptr;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), bRedraw);
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    ::GetWindowRect(m_hWnd, lpRect);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessageW(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

// The panel belongs to another process, whose changes of the work area this one does not see.
RECT AfxGetVisibleDesktop() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    HWND panel = FindWindowW(SipWindowClass, nullptr);
    RECT rect{};
    if (panel && IsWindowVisible(panel) && GetPropW(panel, SipDockedProperty) &&
        ::GetWindowRect(panel, &rect) && rect.top > area.top && rect.top < area.bottom)
        area.bottom = rect.top;
    return area;
}

void CWnd::CenterWindow() {
    const RECT area = AfxGetVisibleDesktop();
    RECT centreOn = area;
    if (HWND owner = GetWindow(m_hWnd, GW_OWNER)) {
        ::GetWindowRect(owner, &centreOn);
    }
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = (centreOn.left + centreOn.right - width) / 2;
    int y = (centreOn.top + centreOn.bottom - height) / 2;
    // Keep the window on the work area where it fits.
    if (x + width > area.right) {
        x = area.right - width;
    }
    if (y + height > area.bottom) {
        y = area.bottom - height;
    }
    x = x < area.left ? area.left : x;
    y = y < area.top ? area.top : y;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage; ++entry) {
            if (entry->nMessage == message && entry->nID == nID) {
                return entry;
            }
        }
    }
    return nullptr;
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    bool outer = m_bDefault; // a handler may send messages that come back here
    m_bDefault = false;
    bool handled = OnWndMsg(message, wParam, lParam, pResult) && !m_bDefault;
    m_bDefault = outer;
    return handled;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, pResult);
    default:
        break;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0);
    if (!entry) {
        return FALSE;
    }
    (this->*entry->pfn)();
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    // Command entries answer menu commands and control clicks (notification code 0).
    if (HIWORD(wParam) != 0) {
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, LOWORD(wParam));
    if (!entry) {
        return FALSE;
    }
    (this->*entry->pfn)();
    return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}
