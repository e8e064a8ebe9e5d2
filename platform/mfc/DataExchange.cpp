#include "platform/mfc/DataExchange.h"

#include "platform/mfc/Wnd.h"

#include <commctrl.h>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) const {
    return GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    } else {
        SendMessageW(control, BM_SETCHECK, value, 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    // The group runs from this button up to the next control that starts a group.
    int position = 0;
    do {
        if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (!pDX->m_bSaveAndValidate) {
                SendMessageW(control, BM_SETCHECK, position == value, 0);
            } else if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = position;
            }
            ++position;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongW(control, GWL_STYLE) & WS_GROUP));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextW(control, value.c_str());
        return;
    }
    std::wstring text(GetWindowTextLengthW(control) + 1, L'\0');
    text.resize(GetWindowTextW(control, &text[0], static_cast<int>(text.size())));
    value = text;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd) {
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
    }
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = GetScrollPos(control, SB_CTL);
    } else {
        SetScrollPos(control, SB_CTL, value, TRUE);
    }
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
    } else {
        SendMessageW(control, TBM_SETPOS, TRUE, value);
    }
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        SendMessageW(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    } else {
        SendMessageW(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    }
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    UINT message = pDX->m_bSaveAndValidate ? MCM_GETCURSEL : MCM_SETCURSEL;
    SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(&value));
}
