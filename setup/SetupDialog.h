// SetupDialog: the setup program's main window, from dialog resource 102. Its buttons open the
// settings pages, help and the default input method dialog.
#pragma once

#include "platform/mfc/afxwin.h"

class SetupDialog : public CDialog {
public:
    SetupDialog();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint();
    void OnGeneral();
    void OnSniplets();
    void OnKeyboard();
    void OnHelp();
    void OnBootIm();
    DECLARE_MESSAGE_MAP()

private:
    void ArrangeButtons();
    // Client coordinate of the bottom of the product name and version.
    int LabelsBottom() const;
    void SetLabels(HDC paintDC);

    CButton bootImButton;
    CButton helpButton;
    CButton keyboardButton;
    CButton generalButton;
    CButton snipletsButton;
    CStatic versionLabel;
    CStatic productNameLabel;
    HICON icon;
    CFont productNameFont; // made at the first paint, for the paint device context
    CFont versionFont;
};
