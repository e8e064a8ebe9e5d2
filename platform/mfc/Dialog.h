// CDialog: a modal dialog run by the platform's dialog manager, from a dialog resource or from
// a template in memory.
#pragma once

#include "platform/mfc/Wnd.h"

// Extended style of the device's dialogs with an OK button in their caption.
inline constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;

class CDialog : public CWnd {
public:
    // A template ID of 0 for a dialog whose template is given later with InitModalIndirect.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // The end code given to EndDialog; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    void MapDialogRect(LPRECT lpRect) const;

protected:
    // Exchanges data towards the controls; TRUE lets the platform set the focus.
    virtual BOOL OnInitDialog();
    // Exchanges data from the controls, then ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParentWnd;
    // The dialog fills the visible desktop, as the device's shell sizes full-screen dialogs.
    BOOL m_bFullScreen = FALSE;

private:
    // The desktop has no caption OK button: the caption's close box stands in for it.
    void ShowCaptionOkAsCloseBox();
    bool HasCaptionOk() const;
    // A dialog taller than the visible desktop is cut to it and scrolls its controls up and down
    // with a scroll bar, so that a docked input panel covers none of them.
    void FitVisibleDesktop();
    // A full-screen dialog fills the visible desktop as it is now, at its start and whenever it
    // is activated again: the panel may have docked, floated or changed its height meanwhile.
    void FillVisibleDesktop();
    void OnVScroll(WPARAM wParam);

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    // The parent, else the application's main window unless that is this dialog.
    HWND GetSafeOwner() const;

    UINT m_nIDTemplate;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    int m_nScrollPos = 0; // pixels scrolled down
};
