// The soft input panel's interfaces and structures, with the platform's layout and method order,
// so that any panel and any input method that follow the platform interoperate.
#pragma once

#include <windows.h>
#include <objbase.h>

#define SIPF_ON 0x00000001
#define SIPF_DOCKED 0x00000002

// The input panel's window, which every program can find by its class, and the window property
// that it holds while it stands docked: the visible desktop is then the part of the screen above
// it, which full-screen windows fit into.
inline constexpr wchar_t SipWindowClass[] = L"SipWndClass";
inline constexpr wchar_t SipDockedProperty[] = L"SipDocked";

struct IMINFO {
    DWORD cbSize;
    HANDLE hImageNarrow;
    HANDLE hImageWide;
    int iNarrow;
    int iWide;
    DWORD fdwFlags;
    RECT rcSipRect;
};

struct SIPINFO {
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
};

// {42429666-AE04-11D0-A4F8-00AA00A749B9}
inline constexpr IID IID_IInputMethod = {
    0x42429666, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};
// {42429667-AE04-11D0-A4F8-00AA00A749B9}
inline constexpr IID IID_IIMCallback = {
    0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

struct IIMCallback : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars,
                                                     UINT* puShift, UINT* puChars) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) = 0;
};

struct IInputMethod : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) = 0;
    virtual HRESULT STDMETHODCALLTYPE Deselect() = 0;
    virtual HRESULT STDMETHODCALLTYPE Showing() = 0;
    virtual HRESULT STDMETHODCALLTYPE Hiding() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInfo(IMINFO* pimi) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) = 0;
    virtual HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* lpIMCallback) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetImData(DWORD dwSize, void* pvImData) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetImData(DWORD dwSize, void* pvImData) = 0;
    virtual HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND hwndParent) = 0;
};
