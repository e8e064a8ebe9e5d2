// TDialog run for real through the platform's dialog manager: controls, data exchange, hooks,
// commands and results in one round trip. Check boxes, radio groups, combo boxes and the paint
// and OK hooks also serve the settings pages and the Boot-IM dialog.
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the hooks saw, in order, each with the choice at that moment, and the buttons clicked.
struct HookLog {
    std::vector<std::string> calls;
    int choice = 1; // the second radio button
    void Note(const std::string& call) {
        const std::string entry = call + " " + std::to_string(choice);
        if (calls.empty() || calls.back() != entry)
            calls.push_back(entry);
    }
};

HookLog& LogOf(void* context) {
    return *static_cast<HookLog*>(context);
}

// A control that cannot be created is reported once, and the dialog opens without it. The paint
// hook returning 0 leaves the painting to it; OK comes before the exchange from the controls.
TEST(TDialogRoundTrip, ControlsExchangeAndHooksRunInTheirOrder) {
    HookLog log;
    std::wstring text = L"before";
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Round trip");
    dialog.SetInitHook(&log, [](void* context, TDialog*) { LogOf(context).Note("init"); });
    dialog.SetPaintHook(&log, [](void* context, TDialog* d) {
        LogOf(context).Note("paint");
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(d->m_hWnd, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(d->m_hWnd, &paint);
        return 0;
    });
    dialog.SetOkHook(&log, [](void* context, TDialog*) { LogOf(context).Note("ok"); });
    dialog.SetExchangeHook(&log, [](void* context, TDialog*) { LogOf(context).Note("exchange"); });
    dialog.SetCommandHook(&log, [](void* context, TDialog*, int id, int code, LPARAM) {
        if (code == BN_CLICKED && id != IDOK)
            LogOf(context).Note("click " + std::to_string(id));
    });
    const DWORD visible = WS_CHILD | WS_VISIBLE;
    const int radio = dialog.AddItem(L"BUTTON", L"One", visible | WS_GROUP | BS_AUTORADIOBUTTON, 0,
                                     nullptr, &log.choice, 0);
    dialog.AddItem(L"BUTTON", L"Two", visible | BS_AUTORADIOBUTTON, 0, nullptr, &log.choice, 0);
    const int editId = dialog.AddItemOfType(129, L"", visible | WS_BORDER, 0, nullptr, &text, 0);
    const int iconId = dialog.AddItem(L"ICON", L"", visible, 0, nullptr, nullptr, 0);
    DialogDriver driver;
    driver.When(MessageBoxTitle(), [&](HWND box) {
        EXPECT_EQ(MessageBoxText(box), L"Failed to create DlgItem.");
        PostCommand(box, IDOK);
    });
    driver.When(L"Round trip", [&](HWND window) {
        EXPECT_EQ(GetDlgItem(window, iconId), nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(window, editId)), L"before");
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
        ReleaseDC(window, dc);
        SetDlgItemTextW(window, editId, L"after");
        Click(window, L"One");
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.seen, std::vector<std::wstring>({MessageBoxTitle(), L"Round trip"}));
    EXPECT_EQ(text, L"after");
    const std::string click = "click " + std::to_string(radio) + " 1";
    EXPECT_EQ(log.calls, std::vector<std::string>(
                             {"exchange 1", "init 1", "paint 1", click, "ok 1", "exchange 0"}));
}

} // namespace
