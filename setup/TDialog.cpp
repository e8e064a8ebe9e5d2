#include "setup/TDialog.h"

#include "setup/ItemType.h"
#include "setup/PlaceRect.h"

#include <cstring>
#include <cwchar>

int NextAutoId = 1024;

namespace {

constexpr DWORD TemplateStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr int RowHeight = 7;
constexpr int ExtentMargin = 5;
// The default buttons go 6 units under the content, but never below this row while the content
// ends above it.
constexpr int BottomButtonRow = 98;
// Screens at most this high put the default buttons in a column on the right.
constexpr int SmallScreenHeight = 240;

static_assert(sizeof(DLGTEMPLATE) == 18, "the template header is copied verbatim");

// Writes the template field by field, or with no destination only counts its size. Every field
// is a whole number of WORDs, so each one stays WORD-aligned without padding.
class TemplateWriter {
public:
    explicit TemplateWriter(BYTE* destination = nullptr) : cursor(destination) {}

    void Write(const void* data, size_t size) {
        if (cursor) {
            memcpy(cursor, data, size);
            cursor += size;
        }
        written += size;
    }
    void WriteWord(WORD value) { Write(&value, sizeof value); }
    // The text with its terminating null.
    void WriteString(const wchar_t* text) { Write(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
    size_t Size() const { return written; }

private:
    BYTE* cursor;
    size_t written = 0;
};

// The header, then no menu, the platform's dialog class, the title, and the font (DS_SETFONT).
void WriteTemplate(TemplateWriter& writer, const DLGTEMPLATE& header, const std::wstring& title,
                   WORD pointSize, const wchar_t* faceName) {
    writer.Write(&header, sizeof header);
    writer.WriteWord(0); // menu
    writer.WriteWord(0); // class
    writer.WriteString(title.c_str());
    writer.WriteWord(pointSize);
    writer.WriteString(faceName);
}

LOGFONTW DefaultLogFont() {
    LOGFONTW logFont = {};
    logFont.lfHeight = 12;
    wcscpy(logFont.lfFaceName, L"Tahoma");
    return logFont;
}

} // namespace

BEGIN_MESSAGE_MAP(TDialog, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

TDialog::TDialog(CWnd* parent) : CDialog(0, parent), header{TemplateStyle, 0, 0, 0, 0, 0, 0} {}

TDialog::~TDialog() {
    while (!items.empty()) {
        items.pop_back();
    }
}

void TDialog::SetInitHook(void* context, InitHook hook) {
    hookContext = context;
    initHook = hook;
}

void TDialog::SetPaintHook(void* context, PaintHook hook) {
    hookContext = context;
    paintHook = hook;
}

void TDialog::SetOkHook(void* context, OkHook hook) {
    hookContext = context;
    okHook = hook;
}

void TDialog::SetExchangeHook(void* context, ExchangeHook hook) {
    hookContext = context;
    exchangeHook = hook;
}

void TDialog::SetCommandHook(void* context, CommandHook hook) {
    hookContext = context;
    commandHook = hook;
}

int TDialog::AddItem(const std::wstring& className, const std::wstring& text, DWORD style,
                     DWORD exStyle, const RECT* rect, void* data, int id) {
    RECT place = {7, nextRowTop, 99, nextRowTop + RowHeight};
    nextRowTop = rect ? rect->bottom : nextRowTop + RowHeight;
    return AddDlgItem(ItemTypeOfClass(className), className, text, style, exStyle,
                      rect ? *rect : place, data, id);
}

int TDialog::AddItemOfType(int type, const std::wstring& text, DWORD style, DWORD exStyle,
                           const RECT* rect, void* data, int id) {
    RECT place = {7, nextRowTop, 99, nextRowTop + RowHeight};
    nextRowTop += RowHeight;
    return AddDlgItem(type, ClassOfItemType(type), text, style, exStyle, rect ? *rect : place, data,
                      id);
}

int TDialog::AddDlgItem(int type, const std::wstring& className, const std::wstring& text,
                        DWORD style, DWORD exStyle, const RECT& rect, void* data, int id) {
    GrowExtent(rect);
    if (id == 0) {
        id = NextAutoId++;
    }
    items.push_back(
        std::make_unique<DlgItem>(type, className, style, exStyle, rect, text, data, id));
    return id;
}

void TDialog::GrowExtent(const RECT& rect) {
    RECT extent = {header.x, header.y, header.x + header.cx, header.y + header.cy};
    if (extent.left > rect.left) {
        extent.left = rect.left;
    }
    if (extent.right < rect.right) {
        extent.right = rect.right + ExtentMargin;
    }
    if (extent.top > rect.top) {
        extent.top = rect.top;
    }
    if (extent.bottom < rect.bottom) {
        extent.bottom = rect.bottom + ExtentMargin;
    }
    header.x = static_cast<short>(extent.left);
    header.y = static_cast<short>(extent.top);
    header.cx = static_cast<short>(extent.right - extent.left);
    header.cy = static_cast<short>(extent.bottom - extent.top);
}

void TDialog::AddDefaultButtons() {
    int y = nextRowTop + 6;
    const bool contentAboveBottomRow = nextRowTop <= BottomButtonRow;
    nextRowTop = y;
    if (contentAboveBottomRow && (y > BottomButtonRow || !buttonsFollowContent)) {
        y = BottomButtonRow;
    }
    const bool smallScreen = GetSystemMetrics(SM_CYSCREEN) <= SmallScreenHeight;
    RECT first = smallScreen ? RECT{106, 7, 138, 16} : RECT{7, y, 53, y + 8};
    RECT second = first;
    if (smallScreen) {
        PlaceRect(second, PLACE_FULL_WIDTH | PLACE_NEXT_ROW | PLACE_HALF_GAP);
        second = {106, second.top, 138, second.top + 9};
    } else {
        second.left = 53;
        second.right = 99;
    }
    if (buttonSet & BUTTONS_OK_CANCEL) {
        AddItemOfType(ItemButton, L"OK", ButtonStyle, 0, &first, nullptr, IDOK);
        AddItemOfType(ItemButton, L"Cancel", ButtonStyle, 0, &second, nullptr, IDCANCEL);
    } else if (buttonSet & BUTTONS_DELETE_CANCEL) {
        AddItemOfType(ItemButton, L"DELETE", ButtonStyle, 0, &first, nullptr, IDOK);
        AddItemOfType(ItemButton, L"Cancel", ButtonStyle, 0, &second, nullptr, IDCANCEL);
    } else {
        AddItemOfType(ItemButton, L"OK", ButtonStyle, 0, &second, nullptr, IDOK);
    }
}

LOGFONTW TDialog::TemplateFont() const {
    HFONT source = nullptr;
    if (font) {
        source = *font;
    } else if (m_pParentWnd) {
        source = m_pParentWnd->GetFont();
    } else if (CWinApp* app = AfxGetApp(); app && app->m_pActiveWnd) {
        source = app->m_pActiveWnd->GetFont();
    }
    LOGFONTW logFont = {};
    if (source && GetObjectW(source, sizeof logFont, &logFont)) {
        return logFont;
    }
    return DefaultLogFont();
}

OwnedLocal TDialog::BuildTemplate() {
    LOGFONTW logFont = TemplateFont();
    if (pointSize == 0) {
        pointSize = LOWORD(logFont.lfHeight);
    }
    TemplateWriter measure;
    WriteTemplate(measure, header, title, pointSize, logFont.lfFaceName);
    OwnedLocal block(LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, measure.Size()));
    if (!block) {
        return block;
    }
    TemplateWriter writer(static_cast<BYTE*>(LocalLock(block)));
    WriteTemplate(writer, header, title, pointSize, logFont.lfFaceName);
    LocalUnlock(block);
    return block;
}

INT_PTR TDialog::DoModal() {
    if (showButtons) {
        AddDefaultButtons();
    }
    OwnedLocal block = BuildTemplate();
    if (!block) {
        AfxMessageBox(L"TDialog::DoModal() : LocalAllock Failed");
        return -1;
    }
    InitModalIndirect(static_cast<LPCDLGTEMPLATE>(LocalLock(block)), m_pParentWnd);
    INT_PTR result = CDialog::DoModal();
    LocalUnlock(block);
    // The main window repaints what the dialog covered.
    if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd) {
        main->Invalidate(TRUE);
        main->UpdateWindow();
    }
    return result;
}

BOOL TDialog::OnInitDialog() {
    if (!font) {
        LOGFONTW logFont = DefaultLogFont();
        ownFont = std::make_unique<CFont>();
        ownFont->CreateFontIndirect(&logFont);
        font = ownFont.get();
    }
    CreateControls();
    CDialog::OnInitDialog();
    if (initHook) {
        initHook(hookContext, this);
    }
    CenterWindow();
    return TRUE;
}

void TDialog::CreateControls() {
    for (auto& item : items) {
        if (item->Create(*this)) {
            item->control.SetFont(font, FALSE);
        } else {
            AfxMessageBox(L"Failed to create DlgItem.");
        }
    }
}

void TDialog::OnOK() {
    if (okHook) {
        okHook(hookContext, this);
    }
    CDialog::OnOK();
}

void TDialog::DoDataExchange(CDataExchange* pDX) {
    // Last to first: the first button of a radio group, exchanged last, decides the group.
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        (*item)->Exchange(pDX);
    }
    if (exchangeHook) {
        exchangeHook(hookContext, this);
    }
}

BOOL TDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (commandHook) {
        commandHook(hookContext, this, LOWORD(wParam), HIWORD(wParam), lParam);
    }
    switch (LOWORD(wParam)) {
    case 0:
        return TRUE;
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        // The parent hears the commands of the dialog's own controls.
        if (m_pParentWnd && m_pParentWnd->m_hWnd) {
            ::SendMessageW(m_pParentWnd->m_hWnd, WM_COMMAND, wParam, lParam);
        }
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL TDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (commandHook) {
        commandHook(hookContext, this, LOWORD(wParam), HIWORD(wParam), lParam);
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void TDialog::OnPaint() {
    if (paintHook && paintHook(hookContext, this) == 0) {
        return;
    }
    Default();
}
