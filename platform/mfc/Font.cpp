#include "platform/mfc/Font.h"

#include <cwchar>

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) {
    DeleteObject();
    m_hObject = ::CreateFontIndirectW(lpLogFont);
    return m_hObject != nullptr;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, HDC hDC) {
    HDC screen = hDC ? nullptr : GetDC(nullptr);
    LOGFONTW logFont = {};
    logFont.lfHeight = -MulDiv(nPointSize, GetDeviceCaps(hDC ? hDC : screen, LOGPIXELSY), 720);
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return CreateFontIndirect(&logFont);
}

BOOL CFont::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    BOOL done = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return done;
}
