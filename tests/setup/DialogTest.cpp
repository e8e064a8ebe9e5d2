// TDialog run for real through the platform's dialog manager: controls, data exchange, hooks,
// commands and results in one round trip. Check boxes and radio groups are also tried on the
// settings pages.
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// What the hooks saw, in order, each with the choice at that moment, and the clicks of buttons
// that the command hook and then the parent heard.
struct HookLog {
    std::vector<std::string> calls;
    TDialog* dialog = nullptr;
    int choice = 1;
    using Command = std::pair<WPARAM, LPARAM>;
    std::vector<Command> clicks;
    void Note(const std::string& call) {
        const std::string entry = call + " " + std::to_string(choice);
        if (calls.empty() || calls.back() != entry)
            calls.push_back(entry);
    }
    void Heard(WPARAM wParam, LPARAM control) {
        wchar_t name[8] = {};
        GetClassNameW(reinterpret_cast<HWND>(control), name, 8);
        if (HIWORD(wParam) == BN_CLICKED && lstrcmpiW(name, L"Button") == 0)
            clicks.emplace_back(wParam, control);
    }
} Log;

HookLog& LogOf(void* context) {
    return *static_cast<HookLog*>(context);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        Log.Heard(wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

void AddHooks(TDialog& dialog) {
    dialog.SetInitHook(&Log, [](void* context, TDialog* d) {
        LogOf(context).Note("init");
        LogOf(context).dialog = d;
    });
    // Returning 0 leaves the painting to the hook.
    dialog.SetPaintHook(&Log, [](void* context, TDialog* d) {
        LogOf(context).Note("paint");
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(d->m_hWnd, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(d->m_hWnd, &paint);
        return 0;
    });
    dialog.SetOkHook(&Log, [](void* context, TDialog*) { LogOf(context).Note("ok"); });
    dialog.SetExchangeHook(&Log, [](void* context, TDialog*) { LogOf(context).Note("exchange"); });
    dialog.SetCommandHook(&Log, [](void* context, TDialog*, int id, int code, LPARAM control) {
        LogOf(context).Heard(MAKEWPARAM(id, code), control);
    });
}

// A scroll bar control starts with an empty range, so only its way back is seen here. A control
// that cannot be created is reported once, and the dialog opens without it.
TEST(TDialogRoundTrip, ControlsExchangeAndHooksRunInTheirOrder) {
    InitCommonControls();
    CWnd parent;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 50, 50}, nullptr, 0);
    SetWindowLongPtrW(parent.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentProc));
    std::wstring text = L"before";
    int scroll = 30, slider = 7;
    CButton attached;
    TDialog dialog(&parent);
    dialog.SetTitle(L"Round trip");
    AddHooks(dialog);
    const DWORD visible = WS_CHILD | WS_VISIBLE;
    dialog.AddItem(L"BUTTON", L"One", visible | WS_GROUP | BS_AUTORADIOBUTTON, 0, nullptr,
                   &Log.choice, 0);
    for (const wchar_t* radio : {L"Two", L"Three"})
        dialog.AddItem(L"BUTTON", radio, visible | BS_AUTORADIOBUTTON, 0, nullptr, &Log.choice, 0);
    const int pushId = dialog.AddItem(L"BUTTON", L"Push", visible, 0, nullptr, &attached, 0);
    const int editId = dialog.AddItemOfType(129, L"", visible | WS_BORDER, 0, nullptr, &text, 0);
    const int scrollId = dialog.AddItem(L"SCROLLBAR", L"", visible, 0, nullptr, &scroll, 0);
    const int sliderId = dialog.AddItem(L"msctls_trackbar32", L"", visible, 0, nullptr, &slider, 0);
    const int iconId = dialog.AddItem(L"ICON", L"", visible, 0, nullptr, nullptr, 0);
    DialogDriver driver;
    driver.When(MessageBoxTitle(), [&](HWND box) {
        EXPECT_EQ(MessageBoxText(box), L"Failed to create DlgItem.");
        PostCommand(box, IDOK);
    });
    LPARAM three = 0, push = 0;
    driver.When(L"Round trip", [&](HWND window) {
        EXPECT_EQ(GetDlgItem(window, iconId), nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(window, editId)), L"before");
        EXPECT_EQ(SendDlgItemMessageW(window, sliderId, TBM_GETPOS, 0, 0), 7);
        EXPECT_EQ(attached.m_hWnd, GetDlgItem(window, pushId));
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
        ReleaseDC(window, dc);
        SetDlgItemTextW(window, editId, L"after");
        SetScrollRange(GetDlgItem(window, scrollId), SB_CTL, 0, 100, FALSE);
        SetScrollPos(GetDlgItem(window, scrollId), SB_CTL, 55, FALSE);
        SendDlgItemMessageW(window, sliderId, TBM_SETPOS, TRUE, 9);
        three = reinterpret_cast<LPARAM>(FindControl(window, L"Three"));
        push = reinterpret_cast<LPARAM>(GetDlgItem(window, pushId));
        Click(window, L"Three");
        Click(window, L"Push");
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.seen, std::vector<std::wstring>({MessageBoxTitle(), L"Round trip"}));
    EXPECT_EQ(std::make_tuple(text, scroll, slider), std::make_tuple(L"after", 55, 9));
    // OK comes before the exchange from the controls, which then has the new choice.
    EXPECT_EQ(Log.calls,
              std::vector<std::string>({"exchange 1", "init 1", "paint 1", "ok 1", "exchange 2"}));
    EXPECT_EQ(Log.dialog, &dialog);
    const HookLog::Command threeClicked = {MAKEWPARAM(pushId - 1, BN_CLICKED), three},
                           pushed = {MAKEWPARAM(pushId, BN_CLICKED), push};
    EXPECT_EQ(Log.clicks,
              std::vector<HookLog::Command>({threeClicked, threeClicked, pushed, pushed}));
}

} // namespace
