#include "setup/DlgItem.h"

#include "setup/ItemType.h"

namespace {

// Exact style tests of the exchange rules: automatic radio button (9) and check box (3).
constexpr DWORD RadioStyle = 9;
constexpr DWORD CheckStyle = 3;

} // namespace

DlgItem::DlgItem(int type, const std::wstring& className, DWORD style, DWORD exStyle,
                 const RECT& rect, const std::wstring& text, void* data, int id)
    : className(className), type(type), id(id), style(style), exStyle(exStyle), rect(rect),
      text(text), data(data) {}

bool DlgItem::Create(CDialog& dialog) {
    RECT pixels = rect;
    dialog.MapDialogRect(&pixels);
    return control.CreateEx(exStyle, className.c_str(), text.c_str(), style, pixels, &dialog, id);
}

void DlgItem::Exchange(CDataExchange* pDX) {
    if (!data) {
        return;
    }
    switch (type) {
    case ItemButton:
        ExchangeButton(pDX);
        break;
    case ItemEdit:
        DDX_Text(pDX, id, *static_cast<std::wstring*>(data));
        break;
    case ItemScrollBar:
        DDX_Scroll(pDX, id, *static_cast<int*>(data));
        break;
    case ItemTrackBar:
        DDX_Slider(pDX, id, *static_cast<int*>(data));
        break;
    case ItemDateTimePick:
        // Both picker styles exchange the same SYSTEMTIME here.
        DDX_DateTimeCtrl(pDX, id, *static_cast<SYSTEMTIME*>(data));
        break;
    case ItemMonthCal:
        DDX_MonthCalCtrl(pDX, id, *static_cast<SYSTEMTIME*>(data));
        break;
    default:
        if (type >= FirstItemType && type <= LastItemType) {
            DDX_Control(pDX, id, *static_cast<CWnd*>(data));
        }
        break;
    }
}

void DlgItem::ExchangeButton(CDataExchange* pDX) {
    if ((style & RadioStyle) == RadioStyle) {
        DDX_Radio(pDX, id, *static_cast<int*>(data));
    } else if ((style & CheckStyle) == CheckStyle) {
        DDX_Check(pDX, id, *static_cast<int*>(data));
    } else {
        DDX_Control(pDX, id, *static_cast<CWnd*>(data));
    }
}
