// TDialog run for real: controls, data exchange, hooks, commands and results, driven by real
// messages through the platform's dialog manager.
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD FirstRadio = 0x50030009;
constexpr DWORD Radio = 0x50000009;
constexpr DWORD CheckBox = 0x50030003;
constexpr DWORD PushButton = 0x50010000;

// Three radio buttons with one shared target, the first with the group style, then a check box.
struct ChoiceDialog {
    explicit ChoiceDialog(int* choice, int* check = nullptr) : dialog(nullptr) {
        dialog.SetTitle(L"Choice");
        dialog.AddItem(L"BUTTON", L"One", FirstRadio, 0, nullptr, choice, 0);
        dialog.AddItem(L"BUTTON", L"Two", Radio, 0, nullptr, choice, 0);
        dialog.AddItem(L"BUTTON", L"Three", Radio, 0, nullptr, choice, 0);
        dialog.AddItem(L"BUTTON", L"Check", CheckBox, 0, nullptr, check, 0);
    }
    TDialog dialog;
};

std::vector<bool> RadioStates(HWND dialog) {
    return {IsChecked(dialog, L"One"), IsChecked(dialog, L"Two"), IsChecked(dialog, L"Three")};
}

TEST(RadioGroup, SharedTargetChecksItsPositionAndStoresTheChoice) {
    int choice = 2;
    ChoiceDialog choiceDialog(&choice);
    DialogDriver driver;
    std::vector<bool> shown;
    driver.When(L"Choice", [&](HWND dialog) {
        shown = RadioStates(dialog);
        Click(dialog, L"One");
        PostCommand(dialog, IDOK);
    });
    EXPECT_EQ(choiceDialog.dialog.DoModal(), IDOK);
    EXPECT_EQ(shown, std::vector<bool>({false, false, true}));
    EXPECT_EQ(choice, 0);
}

TEST(RadioGroup, ValueOfNoButtonChecksNoneAndStoresMinusOne) {
    int choice = 5;
    ChoiceDialog choiceDialog(&choice);
    DialogDriver driver;
    std::vector<bool> shown;
    driver.When(L"Choice", [&](HWND dialog) {
        shown = RadioStates(dialog);
        PostCommand(dialog, IDOK);
    });
    EXPECT_EQ(choiceDialog.dialog.DoModal(), IDOK);
    EXPECT_EQ(shown, std::vector<bool>({false, false, false}));
    EXPECT_EQ(choice, -1);
}

TEST(RadioGroup, CancelLeavesTheTargetsAlone) {
    int choice = 1;
    int check = 1;
    ChoiceDialog choiceDialog(&choice, &check);
    DialogDriver driver;
    driver.When(L"Choice", [&](HWND dialog) {
        Click(dialog, L"Three");
        Click(dialog, L"Check");
        PostCommand(dialog, IDCANCEL);
    });
    EXPECT_EQ(choiceDialog.dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(choice, 1);
    EXPECT_EQ(check, 1);
}

TEST(CheckBox, ShowsAndStoresItsState) {
    int choice = 0;
    int check = 1;
    ChoiceDialog choiceDialog(&choice, &check);
    DialogDriver driver;
    bool shownChecked = false;
    driver.When(L"Choice", [&](HWND dialog) {
        shownChecked = IsChecked(dialog, L"Check");
        Click(dialog, L"Check");
        PostCommand(dialog, IDOK);
    });
    choiceDialog.dialog.DoModal();
    EXPECT_TRUE(shownChecked);
    EXPECT_EQ(check, 0);
}

TEST(TextExchange, EditShowsAndReturnsItsText) {
    std::wstring text = L"before";
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Text");
    const int id =
        dialog.AddItemOfType(129, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, nullptr, &text, 0);
    DialogDriver driver;
    wchar_t shown[32] = {};
    driver.When(L"Text", [&](HWND window) {
        GetDlgItemTextW(window, id, shown, 32);
        SetDlgItemTextW(window, id, L"after");
        PostCommand(window, IDOK);
    });
    dialog.DoModal();
    EXPECT_STREQ(shown, L"before");
    EXPECT_EQ(text, L"after");
}

// A scroll bar control starts with an empty range, so only its way back is seen here.
TEST(PositionExchange, ScrollBarAndTrackBarShowAndReturnTheirPositions) {
    InitCommonControls();
    int scroll = 30;
    int slider = 7;
    CButton attached;
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Positions");
    const int scrollId =
        dialog.AddItem(L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, nullptr, &scroll, 0);
    const int sliderId =
        dialog.AddItem(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE, 0, nullptr, &slider, 0);
    const int pushId = dialog.AddItem(L"BUTTON", L"Push", PushButton, 0, nullptr, &attached, 0);
    DialogDriver driver;
    LRESULT sliderShown = -1;
    bool attachedToPush = false;
    driver.When(L"Positions", [&](HWND window) {
        sliderShown = SendDlgItemMessageW(window, sliderId, TBM_GETPOS, 0, 0);
        attachedToPush = attached.m_hWnd == GetDlgItem(window, pushId);
        SetScrollRange(GetDlgItem(window, scrollId), SB_CTL, 0, 100, FALSE);
        SetScrollPos(GetDlgItem(window, scrollId), SB_CTL, 55, FALSE);
        SendDlgItemMessageW(window, sliderId, TBM_SETPOS, TRUE, 9);
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(sliderShown, 7);
    EXPECT_TRUE(attachedToPush);
    EXPECT_EQ(scroll, 55);
    EXPECT_EQ(slider, 9);
}

TEST(DoModal, ResultsOfOkCancelAndTheCloseBox) {
    TDialog okDialog(nullptr);
    okDialog.SetTitle(L"Ends");
    TDialog closeDialog(nullptr);
    closeDialog.SetTitle(L"Ends");
    DialogDriver driver;
    driver.When(L"Ends", [](HWND dialog) { Click(dialog, L"OK"); });
    driver.When(L"Ends", [](HWND dialog) { PostClose(dialog); });
    EXPECT_EQ(okDialog.DoModal(), IDOK);
    EXPECT_EQ(closeDialog.DoModal(), IDCANCEL);
}

// What the hooks saw, in order.
struct HookLog {
    std::vector<std::string> calls;
    TDialog* dialog = nullptr;
    int* choice = nullptr;
    std::vector<int> choicesSeen;
    int commandId = 0;
    int commandCode = -1;
    LPARAM commandControl = 0;
};

HookLog* LogOf(void* context) {
    return static_cast<HookLog*>(context);
}

TEST(Hooks, EachTakesTheSharedContextAtItsMoment) {
    int choice = 1;
    ChoiceDialog choiceDialog(&choice);
    TDialog& dialog = choiceDialog.dialog;
    const int pushId = dialog.AddItem(L"BUTTON", L"Push", PushButton, 0, nullptr, nullptr, 0);
    HookLog log;
    log.choice = &choice;
    dialog.SetInitHook(&log, [](void* context, TDialog* d) {
        LogOf(context)->calls.push_back("init");
        LogOf(context)->dialog = d;
    });
    dialog.SetPaintHook(&log, [](void* context, TDialog*) {
        if (LogOf(context)->calls.back() != "paint") {
            LogOf(context)->calls.push_back("paint");
        }
        return 1;
    });
    dialog.SetOkHook(&log, [](void* context, TDialog*) {
        LogOf(context)->calls.push_back("ok");
        LogOf(context)->choicesSeen.push_back(*LogOf(context)->choice);
    });
    dialog.SetExchangeHook(&log, [](void* context, TDialog*) {
        LogOf(context)->calls.push_back("exchange");
        LogOf(context)->choicesSeen.push_back(*LogOf(context)->choice);
    });
    dialog.SetCommandHook(&log, [](void* context, TDialog*, int id, int code, LPARAM control) {
        if (id != IDOK) {
            LogOf(context)->commandId = id;
            LogOf(context)->commandCode = code;
            LogOf(context)->commandControl = control;
        }
    });
    DialogDriver driver;
    HWND push = nullptr;
    driver.When(L"Choice", [&](HWND window) {
        push = GetDlgItem(window, pushId);
        UpdateWindow(window);
        Click(window, L"Two");
        Click(window, L"Three");
        Click(window, L"Push");
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(log.calls, std::vector<std::string>({"exchange", "init", "paint", "ok", "exchange"}));
    EXPECT_EQ(log.dialog, &dialog);
    // OK comes before the exchange from the controls, which then has the new choice.
    EXPECT_EQ(log.choicesSeen, std::vector<int>({1, 1, 2}));
    EXPECT_EQ(log.commandId, pushId);
    EXPECT_EQ(log.commandCode, BN_CLICKED);
    EXPECT_EQ(log.commandControl, reinterpret_cast<LPARAM>(push));
}

TEST(Hooks, PaintHookReturningZeroLeavesThePaintingToIt) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Painted");
    int painted = 0;
    dialog.SetPaintHook(&painted, [](void* context, TDialog* d) {
        ++*static_cast<int*>(context);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(d->m_hWnd, &paint);
        RECT client;
        GetClientRect(d->m_hWnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(d->m_hWnd, &paint);
        return 0;
    });
    DialogDriver driver;
    COLORREF pixel = CLR_INVALID;
    driver.When(L"Painted", [&](HWND window) {
        UpdateWindow(window);
        HDC dc = GetDC(window);
        pixel = GetPixel(dc, 2, 2);
        ReleaseDC(window, dc);
        PostCommand(window, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_GE(painted, 1);
    EXPECT_EQ(pixel, RGB(0, 0, 0));
}

// A window that records the commands it is sent.
struct CommandProbe {
    CommandProbe() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"CommandProbe";
        RegisterClassW(&windowClass);
        window.Attach(CreateWindowExW(0, L"CommandProbe", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
        Received().clear();
    }
    static std::vector<std::pair<WPARAM, LPARAM>>& Received() {
        static std::vector<std::pair<WPARAM, LPARAM>> received;
        return received;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) {
            Received().emplace_back(wParam, lParam);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    CWnd window;
};

TEST(Commands, OwnControlsReachTheParentButOkAndCancelDoNot) {
    CommandProbe parent;
    TDialog dialog(&parent.window);
    dialog.SetTitle(L"Forward");
    const int id = dialog.AddItem(L"BUTTON", L"Push", PushButton, 0, nullptr, nullptr, 0);
    DialogDriver driver;
    HWND push = nullptr;
    driver.When(L"Forward", [&](HWND window) {
        push = GetDlgItem(window, id);
        Click(window, L"Push");
        Click(window, L"OK");
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(CommandProbe::Received().size(), 1u);
    EXPECT_EQ(CommandProbe::Received()[0].first, MAKEWPARAM(id, BN_CLICKED));
    EXPECT_EQ(CommandProbe::Received()[0].second, reinterpret_cast<LPARAM>(push));
}

TEST(FailedControl, IsReportedOnceAndTheDialogOpensWithoutIt) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Missing");
    const int iconId = dialog.AddItem(L"ICON", L"", WS_CHILD | WS_VISIBLE, 0, nullptr, nullptr, 0);
    const int textId =
        dialog.AddItem(L"STATIC", L"Here", WS_CHILD | WS_VISIBLE, 0, nullptr, nullptr, 0);
    DialogDriver driver;
    std::wstring message;
    bool iconThere = true;
    bool textThere = false;
    driver.When(MessageBoxTitle(), [&](HWND box) {
        message = MessageBoxText(box);
        PostCommand(box, IDOK);
    });
    driver.When(L"Missing", [&](HWND window) {
        iconThere = GetDlgItem(window, iconId) != nullptr;
        textThere = GetDlgItem(window, textId) != nullptr;
        PostCommand(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(message, L"Failed to create DlgItem.");
    EXPECT_EQ(driver.Seen(), std::vector<std::wstring>({MessageBoxTitle(), L"Missing"}));
    EXPECT_FALSE(iconThere);
    EXPECT_TRUE(textThere);
}

} // namespace
