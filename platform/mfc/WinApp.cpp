#include "platform/mfc/WinApp.h"

#include <string>

namespace {

CWinApp* TheApp = nullptr;

// The program's file name without folder and extension, as the platform names applications.
std::wstring ModuleTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring title = path;
    title.erase(0, title.find_last_of(L"\\/") + 1);
    return title.substr(0, title.rfind(L'.'));
}

} // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pszAppName(lpszAppName) {
    TheApp = this;
}

CWinApp::~CWinApp() {
    if (TheApp == this) {
        TheApp = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp() {
    return TheApp;
}

CWnd* AfxGetMainWnd() {
    return TheApp ? TheApp->m_pMainWnd : nullptr;
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType) {
    std::wstring title = TheApp && TheApp->m_pszAppName ? TheApp->m_pszAppName : ModuleTitle();
    return MessageBoxW(GetActiveWindow(), lpszText, title.c_str(), nType);
}
