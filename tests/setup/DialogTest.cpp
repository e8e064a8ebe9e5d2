// TDialog run for real through the platform's dialog manager. The controls, data exchange and
// hooks that the program's dialogs use are tried on the settings pages and the Boot-IM dialog.
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
