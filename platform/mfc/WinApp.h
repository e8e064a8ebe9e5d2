// CWinApp: the one application object of a program, and the global helpers that reach it.
#pragma once

#include "platform/mfc/Wnd.h"

class CWinApp {
public:
    // Registers this object as the program's application object.
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // FALSE ends the program without a message loop.
    virtual BOOL InitInstance();
    virtual int Run();

    LPCWSTR m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
    // The window that is active in place of the main window; none in a plain dialog program.
    CWnd* m_pActiveWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The platform's message box over the active window, titled with the application's name.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK);
