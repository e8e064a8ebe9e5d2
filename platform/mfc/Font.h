// CFont: owns one GDI font.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont();

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }

    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    // nPointSize in tenths of a point, for the given device context (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, HDC hDC = nullptr);
    BOOL DeleteObject();
};
