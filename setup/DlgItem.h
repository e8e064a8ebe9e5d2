// DlgItem: one control declared in code, created as a child window when its dialog initialises.
#pragma once

#include "platform/mfc/afxwin.h"

#include <string>

class DlgItem {
public:
    DlgItem(int type, const std::wstring& className, DWORD style, DWORD exStyle, const RECT& rect,
            const std::wstring& text, void* data, int id);
    virtual ~DlgItem() = default;

    // Creates the control in the dialog at the item's rectangle converted to pixels.
    bool Create(CDialog& dialog);
    // Moves the value between the control and the data target by the rules of the item's type.
    virtual void Exchange(CDataExchange* pDX);

    CWnd control;
    const std::wstring className;
    const int type;
    const int id;
    const DWORD style;
    const DWORD exStyle;
    const RECT rect; // dialog units
    const std::wstring text;
    void* const data; // null: no data exchange

private:
    void ExchangeButton(CDataExchange* pDX);
};
