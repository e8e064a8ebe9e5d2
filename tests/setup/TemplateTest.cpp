// The in-memory dialog template, the extent that the controls give it, and automatic IDs.
#include "setup/TDialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> TemplateBytes(TDialog& dialog) {
    OwnedLocal block = dialog.BuildTemplate();
    const BYTE* bytes = static_cast<const BYTE*>(LocalLock(block));
    std::vector<BYTE> copy(bytes, bytes + LocalSize(block));
    LocalUnlock(block);
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

CFont* MakeFont(CFont& font, int height, const wchar_t* face) {
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    wcscpy(logFont.lfFaceName, face);
    font.CreateFontIndirect(&logFont);
    return &font;
}

TEST(Template, HeaderTitleAndTheFontOfTheDialogOrElseOfItsParent) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Nineteen characters");
    std::vector<BYTE> bytes = TemplateBytes(dialog);
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(At<DWORD>(bytes, 0), 0x80C800C0u);
    EXPECT_EQ(At<DWORD>(bytes, 4) | At<WORD>(bytes, 8), 0u); // no extended style, no controls
    EXPECT_EQ(At<DWORD>(bytes, 18), 0u);                     // no menu, the platform's class
    EXPECT_EQ(StringAt(bytes, 22), L"Nineteen characters");
    EXPECT_EQ(At<WORD>(bytes, 62), 12u);
    EXPECT_EQ(StringAt(bytes, 64), L"Tahoma");

    TDialog untitled(nullptr);
    untitled.SetPointSize(9);
    CFont courier, arial;
    untitled.SetFont(MakeFont(courier, 10, L"Courier New"));
    bytes = TemplateBytes(untitled);
    ASSERT_EQ(bytes.size(), 24u + 2 + 24);
    EXPECT_EQ(At<WORD>(bytes, 24), 9u);
    EXPECT_EQ(StringAt(bytes, 26), L"Courier New");
    CWnd parent;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 10, 10}, nullptr, 0);
    parent.SetFont(MakeFont(arial, 14, L"Arial"), FALSE);
    TDialog child(&parent);
    bytes = TemplateBytes(child);
    EXPECT_EQ(At<WORD>(bytes, 24), 14u);
    EXPECT_EQ(StringAt(bytes, 26), L"Arial");
}

// x, y, cx, cy of the template header take in each control with a margin of five. A control
// without a place goes on the row after the last one; AddItemOfType moves on by one row even
// when it is given a place.
TEST(Template, ExtentAndDefaultRowsFollowTheControls) {
    TDialog dialog(nullptr);
    const auto extent = [&] {
        const std::vector<BYTE> bytes = TemplateBytes(dialog);
        return std::vector<short>{At<short>(bytes, 10), At<short>(bytes, 12), At<short>(bytes, 14),
                                  At<short>(bytes, 16)};
    };
    EXPECT_EQ(extent(), std::vector<short>({0, 0, 0, 0}));
    dialog.AddItem(L"STATIC", L"first", 0, 0, nullptr, nullptr, 0); // (7, 7, 99, 14)
    EXPECT_EQ(extent(), std::vector<short>({0, 0, 104, 19}));
    const RECT lower = {-4, 30, 50, 40};
    dialog.AddItem(L"STATIC", L"lower", 0, 0, &lower, nullptr, 0);
    dialog.AddItem(L"STATIC", L"next", 0, 0, nullptr, nullptr, 0); // (7, 40, 99, 47)
    EXPECT_EQ(extent(), std::vector<short>({-4, 0, 108, 52}));
    dialog.AddItemOfType(130, L"typed", 0, 0, &lower, nullptr, 0);
    dialog.AddItemOfType(130, L"after", 0, 0, nullptr, nullptr, 0); // (7, 54, 99, 61)
    EXPECT_EQ(extent()[3], 66);
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
}

} // namespace
