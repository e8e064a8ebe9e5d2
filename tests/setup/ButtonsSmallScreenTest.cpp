// Default buttons on a screen 240 pixels high (run on a 320 x 240 screen): a column on the right.
#include "setup/DefaultImDialog.h"
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"
#include "tests/setup/TestRect.h"

#include <gtest/gtest.h>

namespace {

TEST(SmallScreen, IsTheScreenOfThisGroup) {
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
}

TEST(SmallScreen, OkAndCancelStandInTheRightColumn) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Column");
    const RECT content = {7, 70, 99, 80};
    dialog.AddItem(L"STATIC", L"content", WS_CHILD | WS_VISIBLE, 0, &content, nullptr, 0);
    RECT ok = {}, cancel = {}, expectedOk = {}, expectedCancel = {};
    DialogDriver driver;
    driver.When(L"Column", [&](HWND window) {
        ok = ControlRect(GetDlgItem(window, IDOK));
        cancel = ControlRect(GetDlgItem(window, IDCANCEL));
        expectedOk = DialogUnitsToPixels(window, {106, 7, 138, 16});
        expectedCancel = DialogUnitsToPixels(window, {106, 19, 138, 28});
        Click(window, L"Cancel");
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ok, expectedOk);
    EXPECT_EQ(cancel, expectedCancel);
    LocalBlock block = dialog.BuildTemplate();
    const short* header = static_cast<const short*>(LocalLock(block.get()));
    EXPECT_EQ(header[7], 143); // cx
    LocalUnlock(block.get());
}

TEST(SmallScreen, OkAloneTakesTheSecondPlace) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Alone");
    dialog.SetButtonSet(0);
    RECT ok = {}, expected = {};
    DialogDriver driver;
    driver.When(L"Alone", [&](HWND window) {
        ok = ControlRect(GetDlgItem(window, IDOK));
        expected = DialogUnitsToPixels(window, {106, 19, 138, 28});
        Click(window, L"OK");
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(ok, expected);
}

TEST(SmallScreen, BootImDialogHasItsButtonsInTheColumnToo) {
    RECT ok = {}, expected = {};
    DialogDriver driver;
    driver.When(L"Set default Boot-IM", [&](HWND window) {
        ok = ControlRect(GetDlgItem(window, IDOK));
        expected = DialogUnitsToPixels(window, {106, 7, 138, 16});
        Click(window, L"Cancel");
    });
    EXPECT_EQ(ShowDefaultImDialog(), IDCANCEL);
    EXPECT_EQ(ok, expected);
}

} // namespace
