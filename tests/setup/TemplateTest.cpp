// The in-memory dialog template, the extent that the controls give it, and automatic IDs.
#include "setup/TDialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> TemplateBytes(TDialog& dialog) {
    LocalBlock block = dialog.BuildTemplate();
    const BYTE* bytes = static_cast<const BYTE*>(LocalLock(block.get()));
    std::vector<BYTE> copy(bytes, bytes + LocalSize(block.get()));
    LocalUnlock(block.get());
    return copy;
}

template <typename T> T At(const std::vector<BYTE>& bytes, size_t offset) {
    T value;
    memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::wstring StringAt(const std::vector<BYTE>& bytes, size_t offset) {
    return reinterpret_cast<const wchar_t*>(bytes.data() + offset);
}

struct Extent {
    short x, y, cx, cy;
};

Extent ExtentOf(TDialog& dialog) {
    const std::vector<BYTE> bytes = TemplateBytes(dialog);
    return {At<short>(bytes, 10), At<short>(bytes, 12), At<short>(bytes, 14), At<short>(bytes, 16)};
}

const RECT FirstRow = {7, 7, 99, 14};

TEST(Template, HeaderTitleAndDefaultFaceIn78Bytes) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Nineteen characters");
    const std::vector<BYTE> bytes = TemplateBytes(dialog);
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(At<DWORD>(bytes, 0), 0x80C800C0u);
    EXPECT_EQ(At<DWORD>(bytes, 4), 0u);
    EXPECT_EQ(At<WORD>(bytes, 8), 0u);  // no control entries
    EXPECT_EQ(At<WORD>(bytes, 18), 0u); // no menu
    EXPECT_EQ(At<WORD>(bytes, 20), 0u); // the platform's dialog class
    EXPECT_EQ(StringAt(bytes, 22), L"Nineteen characters");
    EXPECT_EQ(At<WORD>(bytes, 62), 12u);
    EXPECT_EQ(StringAt(bytes, 64), L"Tahoma");
    EXPECT_EQ(dialog.GetPointSize(), 12);
}

TEST(Template, PointSizeAndFontOfTheDialog) {
    TDialog dialog(nullptr);
    dialog.SetPointSize(9);
    CFont font;
    LOGFONTW logFont = {};
    logFont.lfHeight = 10;
    wcscpy(logFont.lfFaceName, L"Courier New");
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    dialog.SetFont(&font);
    const std::vector<BYTE> bytes = TemplateBytes(dialog);
    ASSERT_EQ(bytes.size(), 24u + 2 + 24);
    EXPECT_EQ(At<WORD>(bytes, 24), 9u);
    EXPECT_EQ(StringAt(bytes, 26), L"Courier New");
}

TEST(Template, FontOfTheParentWindow) {
    CWnd parent;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 10, 10}, nullptr, 0);
    CFont font;
    LOGFONTW logFont = {};
    logFont.lfHeight = 14;
    wcscpy(logFont.lfFaceName, L"Arial");
    font.CreateFontIndirect(&logFont);
    parent.SetFont(&font, FALSE);
    TDialog dialog(&parent);
    const std::vector<BYTE> bytes = TemplateBytes(dialog);
    EXPECT_EQ(At<WORD>(bytes, 24), 14u);
    EXPECT_EQ(StringAt(bytes, 26), L"Arial");
}

TEST(Template, ExtentTakesInEachControlWithAMarginOfFive) {
    TDialog empty(nullptr);
    Extent none = ExtentOf(empty);
    EXPECT_EQ(none.x | none.y | none.cx | none.cy, 0);

    TDialog dialog(nullptr);
    dialog.AddItem(L"STATIC", L"row", 0, 0, &FirstRow, nullptr, 0);
    Extent one = ExtentOf(dialog);
    EXPECT_EQ(one.cx, 104);
    EXPECT_EQ(one.cy, 19);

    const RECT further = {-4, 3, 50, 120};
    dialog.AddItem(L"STATIC", L"tall", 0, 0, &further, nullptr, 0);
    Extent two = ExtentOf(dialog);
    EXPECT_EQ(two.x, -4);
    EXPECT_EQ(two.y, 0);
    EXPECT_EQ(two.cx, 108); // the right edge stays at 104
    EXPECT_EQ(two.cy, 125);
}

TEST(Template, DefaultRowsFollowTheLastControl) {
    TDialog dialog(nullptr);
    dialog.AddItem(L"STATIC", L"first", 0, 0, nullptr, nullptr, 0);
    EXPECT_EQ(ExtentOf(dialog).cy, 19); // (7, 7, 99, 14)
    const RECT lower = {7, 30, 99, 40};
    dialog.AddItem(L"STATIC", L"lower", 0, 0, &lower, nullptr, 0);
    dialog.AddItem(L"STATIC", L"next", 0, 0, nullptr, nullptr, 0);
    EXPECT_EQ(ExtentOf(dialog).cy, 52); // (7, 40, 99, 47)
    // AddItemOfType moves on by one row even when it is given a rectangle.
    dialog.AddItemOfType(130, L"typed", 0, 0, &lower, nullptr, 0);
    dialog.AddItemOfType(130, L"after", 0, 0, nullptr, nullptr, 0);
    EXPECT_EQ(ExtentOf(dialog).cy, 66); // (7, 54, 99, 61)
}

TEST(AutomaticIds, RiseAcrossDialogsAndSkipGivenIds) {
    NextAutoId = 1024;
    {
        TDialog first(nullptr);
        EXPECT_EQ(first.AddItem(L"STATIC", L"a", 0, 0, nullptr, nullptr, 0), 1024);
        EXPECT_EQ(first.AddItemOfType(128, L"b", 0, 0, nullptr, nullptr, 0), 1025);
        EXPECT_EQ(first.AddItem(L"STATIC", L"c", 0, 0, nullptr, nullptr, 77), 77);
    }
    TDialog second(nullptr);
    EXPECT_EQ(second.AddItem(L"STATIC", L"d", 0, 0, nullptr, nullptr, 0), 1026);
    EXPECT_EQ(NextAutoId, 1027);
}

} // namespace
