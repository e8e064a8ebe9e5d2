// TDialog run for real: controls, data exchange, hooks, commands and results, driven by real
// messages through the platform's dialog manager. Radio groups and check boxes are tried on the
// settings pages.
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD FirstRadio = 0x50030009;
constexpr DWORD Radio = 0x50000009;
constexpr DWORD PushButton = 0x50010000;

// Three radio buttons with one shared target, the first with the group style.
void AddChoices(TDialog& dialog, int* choice) {
    dialog.SetTitle(L"Choice");
    dialog.AddItem(L"BUTTON", L"One", FirstRadio, 0, nullptr, choice, 0);
    dialog.AddItem(L"BUTTON", L"Two", Radio, 0, nullptr, choice, 0);
    dialog.AddItem(L"BUTTON", L"Three", Radio, 0, nullptr, choice, 0);
}

// A scroll bar control starts with an empty range, so only its way back is seen here.
TEST(DataExchange, TextPositionsAndAttachedControls) {
    InitCommonControls();
    std::wstring text = L"before";
    int scroll = 30, slider = 7;
    CButton attached;
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Exchange");
    const int editId =
        dialog.AddItemOfType(129, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, nullptr, &text, 0);
    const int scrollId =
        dialog.AddItem(L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, nullptr, &scroll, 0);
    const int sliderId =
        dialog.AddItem(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE, 0, nullptr, &slider, 0);
    const int pushId = dialog.AddItem(L"BUTTON", L"Push", PushButton, 0, nullptr, &attached, 0);
    DialogDriver driver;
    driver.When(L"Exchange", [&](HWND window) {
        EXPECT_EQ(WindowText(GetDlgItem(window, editId)), L"before");
        EXPECT_EQ(SendDlgItemMessageW(window, sliderId, TBM_GETPOS, 0, 0), 7);
        EXPECT_EQ(attached.m_hWnd, GetDlgItem(window, pushId));
        SetDlgItemTextW(window, editId, L"after");
        SetScrollRange(GetDlgItem(window, scrollId), SB_CTL, 0, 100, FALSE);
        SetScrollPos(GetDlgItem(window, scrollId), SB_CTL, 55, FALSE);
        SendDlgItemMessageW(window, sliderId, TBM_SETPOS, TRUE, 9);
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(text, L"after");
    EXPECT_EQ(scroll, 55);
    EXPECT_EQ(slider, 9);
}

// What the hooks saw, in order, each with the choice at that moment.
struct HookLog {
    std::vector<std::string> calls;
    TDialog* dialog = nullptr;
    int choice = 1;
    using Command = std::pair<WPARAM, LPARAM>;
    std::vector<Command> commands; // the hook's, then the parent's
    void Note(const std::string& call) {
        const std::string entry = call + " " + std::to_string(choice);
        if (calls.empty() || calls.back() != entry) {
            calls.push_back(entry);
        }
    }
};

HookLog Log;

HookLog& LogOf(void* context) {
    return *static_cast<HookLog*>(context);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        Log.commands.emplace_back(wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(Hooks, EachTakesTheSharedContextAtItsMomentAndTheParentHearsTheCommands) {
    CWnd parent;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 50, 50}, nullptr, 0);
    SetWindowLongPtrW(parent.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentProc));
    TDialog dialog(&parent);
    AddChoices(dialog, &Log.choice);
    const int pushId = dialog.AddItem(L"BUTTON", L"Push", PushButton, 0, nullptr, nullptr, 0);
    dialog.SetInitHook(&Log, [](void* context, TDialog* d) {
        LogOf(context).Note("init");
        LogOf(context).dialog = d;
    });
    dialog.SetPaintHook(&Log, [](void* context, TDialog*) {
        LogOf(context).Note("paint");
        return 1;
    });
    dialog.SetOkHook(&Log, [](void* context, TDialog*) { LogOf(context).Note("ok"); });
    dialog.SetExchangeHook(&Log, [](void* context, TDialog*) { LogOf(context).Note("exchange"); });
    dialog.SetCommandHook(&Log, [](void* context, TDialog*, int id, int code, LPARAM control) {
        if (id != IDOK) {
            LogOf(context).commands.emplace_back(MAKEWPARAM(id, code), control);
        }
    });
    DialogDriver driver;
    LPARAM three = 0, push = 0;
    driver.When(L"Choice", [&](HWND window) {
        three = reinterpret_cast<LPARAM>(FindControl(window, L"Three"));
        push = reinterpret_cast<LPARAM>(GetDlgItem(window, pushId));
        UpdateWindow(window);
        Click(window, L"Three");
        Click(window, L"Push");
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    // OK comes before the exchange from the controls, which then has the new choice.
    EXPECT_EQ(Log.calls,
              std::vector<std::string>({"exchange 1", "init 1", "paint 1", "ok 1", "exchange 2"}));
    EXPECT_EQ(Log.dialog, &dialog);
    const HookLog::Command threeClicked = {MAKEWPARAM(pushId - 1, BN_CLICKED), three},
                           pushed = {MAKEWPARAM(pushId, BN_CLICKED), push};
    EXPECT_EQ(Log.commands,
              std::vector<HookLog::Command>({threeClicked, threeClicked, pushed, pushed}));
}

TEST(Hooks, PaintHookReturningZeroLeavesThePaintingToIt) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Painted");
    dialog.SetPaintHook(nullptr, [](void*, TDialog* d) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(d->m_hWnd, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(d->m_hWnd, &paint);
        return 0;
    });
    DialogDriver driver;
    driver.When(L"Painted", [&](HWND window) {
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
        ReleaseDC(window, dc);
        PostCommand(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(FailedControl, IsReportedOnceAndTheDialogOpensWithoutIt) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Missing");
    const int iconId = dialog.AddItem(L"ICON", L"", WS_CHILD | WS_VISIBLE, 0, nullptr, nullptr, 0);
    const int textId =
        dialog.AddItem(L"STATIC", L"Here", WS_CHILD | WS_VISIBLE, 0, nullptr, nullptr, 0);
    DialogDriver driver;
    driver.When(MessageBoxTitle(), [&](HWND box) {
        EXPECT_EQ(MessageBoxText(box), L"Failed to create DlgItem.");
        PostCommand(box, IDOK);
    });
    driver.When(L"Missing", [&](HWND window) {
        EXPECT_EQ(GetDlgItem(window, iconId), nullptr);
        EXPECT_NE(GetDlgItem(window, textId), nullptr);
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.seen, std::vector<std::wstring>({MessageBoxTitle(), L"Missing"}));
}

} // namespace
