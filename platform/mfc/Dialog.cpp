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

BOOL CDialog::OnInitDialog() {
    if (m_bFullScreen) {
        RECT area;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        MoveWindow(&area, FALSE);
    }
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
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
