// CWnd: the wrapper of one window handle, with message maps of (message or command, handler).
#pragma once

#include <windows.h>

class CWnd;
class CFont;
class CDataExchange;

// A message map is a fixed table: a window message (or WM_COMMAND with a command ID) and the
// member function that handles it. Each map names the map of its base class.
using AFX_PMSG = void (CWnd::*)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nID; // command ID for WM_COMMAND entries, 0 otherwise
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries; // ends with an entry whose message is 0
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define ON_COMMAND(id, memberFxn) {WM_COMMAND, (id), static_cast<AFX_PMSG>(memberFxn)},
#define ON_WM_PAINT() {WM_PAINT, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint)},

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, nullptr }                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP map = {TheBaseClass::GetThisMessageMap(), entries};                    \
    return &map;                                                                                   \
    }

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Destroys a window that is still attached.
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes the window's messages through this object (and its message map) first. A window
    // already subclassed to another CWnd is handed over to this one.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    // Creates a window and subclasses it to this object.
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL DestroyWindow();

    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void SetWindowText(LPCWSTR lpszString);
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    HFONT GetFont() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // Centres over the owner, or over the visible desktop when there is none, and keeps the
    // window on the visible desktop where it fits.
    void CenterWindow();
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();

    // Data exchange between the controls and their targets (save: from the controls).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Runs one message through the message map; false when the platform's default handling
    // is to follow (no handler, or the handler called Default).
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);
    // Asks for the platform's default handling of the current message after the handler.
    void Default() { m_bDefault = true; }

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT nID) const;

    WNDPROC m_pfnSuper = nullptr;
    bool m_bDefault = false;
};

// The part of the screen that the device's shell leaves to windows: the work area, above the
// input panel while that stands docked.
RECT AfxGetVisibleDesktop();

class CButton : public CWnd {};

class CStatic : public CWnd {};
