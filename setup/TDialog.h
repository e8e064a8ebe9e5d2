// TDialog: a modal dialog whose controls are declared in code, laid out on the dialog grid, with
// default buttons, data exchange and hooks through which callers take part without deriving.
#pragma once

#include "foundation/OwnedHandle.h"
#include "platform/mfc/afxwin.h"
#include "setup/DlgItem.h"

#include <memory>
#include <string>
#include <vector>

class TDialog;

using InitHook = void (*)(void* context, TDialog* dialog);
// 0: the hook has painted and the default painting is skipped.
using PaintHook = int (*)(void* context, TDialog* dialog);
using OkHook = void (*)(void* context, TDialog* dialog);
using ExchangeHook = void (*)(void* context, TDialog* dialog);
using CommandHook = void (*)(void* context, TDialog* dialog, int id, int code, LPARAM control);

// Default button sets.
enum ButtonSet {
    BUTTONS_OK_CANCEL = 0x02,
    BUTTONS_DELETE_CANCEL = 0x10,
};

// The ID the next control added with ID 0 receives; rises across all dialogs of the process.
extern int NextAutoId;

class TDialog : public CDialog {
public:
    explicit TDialog(CWnd* parent);
    ~TDialog() override;

    void SetTitle(const std::wstring& text) { title = text; }
    void SetFont(CFont* newFont) { font = newFont; }
    CFont* GetFont() const { return font; }
    void SetPointSize(WORD size) { pointSize = size; }
    WORD GetPointSize() const { return pointSize; }
    void SetShowButtons(int flag) { showButtons = flag; }
    void SetButtonsFollowContent(int flag) { buttonsFollowContent = flag; }
    void SetButtonSet(int bits) { buttonSet = bits; }

    // Each setter also sets the one context shared by all hooks.
    void SetInitHook(void* context, InitHook hook);
    void SetPaintHook(void* context, PaintHook hook);
    void SetOkHook(void* context, OkHook hook);
    void SetExchangeHook(void* context, ExchangeHook hook);
    void SetCommandHook(void* context, CommandHook hook);

    // 1 closed with OK, 2 cancelled, -1 when the template could not be allocated.
    INT_PTR DoModal() override;

    // Both return the control's ID (an automatic one when id is 0). Without a rectangle the
    // control takes the next default row.
    virtual int AddItem(const std::wstring& className, const std::wstring& text, DWORD style,
                        DWORD exStyle, const RECT* rect, void* data, int id);
    virtual int AddItemOfType(int type, const std::wstring& text, DWORD style, DWORD exStyle,
                              const RECT* rect, void* data, int id);

    // The in-memory DLGTEMPLATE, without control entries, as DoModal runs it; empty when the
    // local heap has no block. Sets the point size from the template font when it is 0.
    OwnedLocal BuildTemplate();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    int AddDlgItem(int type, const std::wstring& className, const std::wstring& text, DWORD style,
                   DWORD exStyle, const RECT& rect, void* data, int id);
    void AddDefaultButtons();
    void GrowExtent(const RECT& rect);
    LOGFONTW TemplateFont() const;
    void CreateControls();

    void* hookContext = nullptr;
    InitHook initHook = nullptr;
    PaintHook paintHook = nullptr;
    OkHook okHook = nullptr;
    ExchangeHook exchangeHook = nullptr;
    CommandHook commandHook = nullptr;
    std::wstring title;
    CFont* font = nullptr;
    std::unique_ptr<CFont> ownFont; // set when the dialog made its font itself
    WORD pointSize = 0;
    int nextRowTop = 7;
    int showButtons = 1;
    int buttonSet = 3;
    int buttonsFollowContent = 1;
    DLGTEMPLATE header; // the first 18 bytes of the template, copied verbatim
    std::vector<std::unique_ptr<DlgItem>> items;
};
