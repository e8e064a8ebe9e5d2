#include "platform/mfc/Dialog.h"

#include "platform/mfc/WinApp.h"

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hWnd;
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) find no dialog object yet.
    CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!dialog) {
        return FALSE;
    }
    LRESULT result = 0;
    if (!dialog->Dispatch(message, wParam, lParam, &result)) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        return result;
    }
    SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate), m_lpDialogTemplate(nullptr) {}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND CDialog::GetSafeOwner() const {
    if (m_pParentWnd) {
        return m_pParentWnd->m_hWnd;
    }
    CWnd* main = AfxGetMainWnd();
    return main && main != this ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    LPARAM self = reinterpret_cast<LPARAM>(this);
    INT_PTR result = m_lpDialogTemplate ? DialogBoxIndirectParamW(instance, m_lpDialogTemplate,
                                                                  GetSafeOwner(), AfxDlgProc, self)
                                        : DialogBoxParamW(instance, MAKEINTRESOURCEW(m_nIDTemplate),
                                                          GetSafeOwner(), AfxDlgProc, self);
    m_hWnd = nullptr; // the dialog manager has destroyed the window
    return result;
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}

bool CDialog::HasCaptionOk() const {
    return (GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN) != 0;
}

void CDialog::ShowCaptionOkAsCloseBox() {
    if (!HasCaptionOk())
        return;
    SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) | WS_SYSMENU);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

namespace {

int LowestControlBottom(HWND dialog) {
    int lowest = 0;
    RECT rect;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The dialog is not shown yet: its controls' own style says whether they will be.
        if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0 && ::GetWindowRect(child, &rect) &&
            rect.bottom > lowest)
            lowest = rect.bottom;
    }
    return lowest;
}

} // namespace

void CDialog::FitVisibleDesktop() {
    const RECT area = AfxGetVisibleDesktop();
    RECT window, client;
    ::GetWindowRect(m_hWnd, &window);
    ::GetClientRect(m_hWnd, &client);
    const int areaHeight = area.bottom - area.top;
    // The margin and the frame below the controls may hang over the bottom.
    if (LowestControlBottom(m_hWnd) <= area.bottom)
        return;
    SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) | WS_VSCROLL);
    // Wider by the scroll bar, as far as the visible desktop allows.
    const int areaWidth = area.right - area.left;
    int width = window.right - window.left + GetSystemMetrics(SM_CXVSCROLL);
    width = width > areaWidth ? areaWidth : width;
    const int left = window.left + width > area.right ? area.right - width : window.left;
    SetWindowPos(m_hWnd, nullptr, left < area.left ? area.left : left, area.top, width, areaHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT shown;
    ::GetClientRect(m_hWnd, &shown);
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    client.bottom - 1,
                    static_cast<UINT>(shown.bottom),
                    0,
                    0};
    SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

void CDialog::OnVScroll(WPARAM wParam) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hWnd, SB_VERT, &info);
    constexpr int Line = 20;
    int pos = info.nPos;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        pos -= Line;
        break;
    case SB_LINEDOWN:
        pos += Line;
        break;
    case SB_PAGEUP:
        pos -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        pos += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = info.nTrackPos;
        break;
    case SB_TOP:
        pos = info.nMin;
        break;
    case SB_BOTTOM:
        pos = info.nMax;
        break;
    default:
        break;
    }
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    pos = pos > last ? last : pos;
    pos = pos < info.nMin ? info.nMin : pos;
    if (pos == m_nScrollPos)
        return;
    ScrollWindowEx(m_hWnd, 0, m_nScrollPos - pos, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    m_nScrollPos = pos;
    SetScrollPos(m_hWnd, SB_VERT, pos, TRUE);
}

void CDialog::FillVisibleDesktop() {
    const RECT area = AfxGetVisibleDesktop();
    RECT window;
    if (::GetWindowRect(m_hWnd, &window) && !EqualRect(&window, &area))
        MoveWindow(&area, IsWindowVisible(m_hWnd));
}

BOOL CDialog::OnInitDialog() {
    ShowCaptionOkAsCloseBox();
    if (m_bFullScreen)
        FillVisibleDesktop();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        FitVisibleDesktop();
        return TRUE;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && m_bFullScreen)
        FillVisibleDesktop(); // and the activation goes on as usual
    if (message == WM_VSCROLL && lParam == 0 && (GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VSCROLL)) {
        OnVScroll(wParam);
        *pResult = 0;
        return TRUE;
    }
    // The close box of a dialog with the caption OK button is that button: it accepts.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE && HasCaptionOk()) {
        SendMessageW(m_hWnd, WM_COMMAND, IDOK, 0);
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
