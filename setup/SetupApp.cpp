#include "setup/SetupApp.h"

#include "setup/SetupDialog.h"

// The program's one application object.
SetupApp theApp;

BOOL SetupApp::InitInstance() {
    SetupDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop: the program ends with its main window.
    return FALSE;
}
