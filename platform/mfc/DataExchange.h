// CDataExchange and the DDX_ functions: moving values between dialog controls and variables.
#pragma once

#include <windows.h>
#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: from the controls to the variables
    CWnd* m_pDlgWnd;

    // The control's window; null when the dialog has no control of that ID.
    HWND PrepareCtrl(int nIDC) const;
};

// Check box state: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Position of the checked radio button in the group that starts at nIDC; -1 when none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);
// Subclasses the control to rControl, the first time only.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value);
