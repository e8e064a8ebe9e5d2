// Default buttons on a screen taller than 240 pixels (run on a 240 x 320 screen): a row under the
// content, or on row 98.
#include "setup/DefaultImDialog.h"
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"
#include "tests/setup/TestRect.h"

#include <gtest/gtest.h>

namespace {

struct Placement {
    RECT ok = {};
    RECT cancel = {};
    std::wstring okText;
    bool hasCancel = false;
};

// Runs a dialog whose last control ends at contentBottom and reads where its buttons are.
Placement RunWithContentTo(int contentBottom, int followContent, int buttonSet = 3) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Buttons");
    dialog.SetButtonsFollowContent(followContent);
    dialog.SetButtonSet(buttonSet);
    const RECT content = {7, contentBottom - 7, 99, contentBottom};
    dialog.AddItem(L"STATIC", L"content", WS_CHILD | WS_VISIBLE, 0, &content, nullptr, 0);
    Placement placement;
    DialogDriver driver;
    driver.When(L"Buttons", [&](HWND window) {
        HWND ok = GetDlgItem(window, IDOK);
        HWND cancel = GetDlgItem(window, IDCANCEL);
        wchar_t text[16] = {};
        GetWindowTextW(ok, text, 16);
        placement.okText = text;
        placement.ok = ControlRect(ok);
        placement.hasCancel = cancel != nullptr;
        placement.cancel = cancel ? ControlRect(cancel) : RECT{};
        PostCommand(window, IDCANCEL);
    });
    dialog.DoModal();
    return placement;
}

RECT Pixels(RECT units) {
    // Same font and template for every dialog here, so one conversion fits all.
    TDialog probe(nullptr);
    probe.SetTitle(L"Probe");
    probe.SetShowButtons(0);
    RECT pixels = {};
    DialogDriver driver;
    driver.When(L"Probe", [&](HWND window) {
        pixels = DialogUnitsToPixels(window, units);
        PostCommand(window, IDCANCEL);
    });
    probe.DoModal();
    return pixels;
}

TEST(TallScreen, IsTheScreenOfThisGroup) {
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
}

TEST(TallScreen, RowSixUnitsUnderTheContent) {
    Placement placement = RunWithContentTo(80, 1);
    EXPECT_EQ(placement.okText, L"OK");
    EXPECT_EQ(placement.ok, Pixels({7, 86, 53, 94}));
    EXPECT_EQ(placement.cancel, Pixels({53, 86, 99, 94}));
}

TEST(TallScreen, RowStopsAt98) {
    EXPECT_EQ(RunWithContentTo(95, 1).ok, Pixels({7, 98, 53, 106}));
    EXPECT_EQ(RunWithContentTo(20, 0).cancel, Pixels({53, 98, 99, 106}));
}

TEST(TallScreen, DeleteAndCancelOrOkAlone) {
    Placement deleting = RunWithContentTo(14, 1, BUTTONS_DELETE_CANCEL);
    EXPECT_EQ(deleting.okText, L"DELETE");
    EXPECT_EQ(deleting.ok, Pixels({7, 20, 53, 28}));
    EXPECT_TRUE(deleting.hasCancel);
    Placement alone = RunWithContentTo(14, 1, 0);
    EXPECT_EQ(alone.okText, L"OK");
    EXPECT_EQ(alone.ok, Pixels({53, 20, 99, 28}));
    EXPECT_FALSE(alone.hasCancel);
}

TEST(TallScreen, RowWidensTheDialogTo104) {
    TDialog dialog(nullptr);
    const RECT narrow = {7, 7, 40, 14};
    dialog.AddItem(L"STATIC", L"narrow", WS_CHILD, 0, &narrow, nullptr, 0);
    DialogDriver driver;
    driver.When(L"", [](HWND window) { PostCommand(window, IDCANCEL); });
    dialog.DoModal();
    LocalBlock block = dialog.BuildTemplate();
    const short* header = static_cast<const short*>(LocalLock(block.get()));
    EXPECT_EQ(header[7], 104); // cx
    LocalUnlock(block.get());
}

TEST(TallScreen, BootImDialogHasItsButtonsOnRow98) {
    RECT ok = {}, expected = {};
    DialogDriver driver;
    driver.When(L"Set default Boot-IM", [&](HWND window) {
        ok = ControlRect(GetDlgItem(window, IDOK));
        expected = DialogUnitsToPixels(window, {7, 98, 53, 106});
        Click(window, L"Cancel");
    });
    EXPECT_EQ(ShowDefaultImDialog(), IDCANCEL);
    EXPECT_EQ(ok, expected);
}

} // namespace
