// The in-memory dialog template and the extent that the controls give it.
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

TEST(Template, HeaderTitleAndDefaultFaceIn78Bytes) {
    TDialog dialog(nullptr);
    dialog.SetTitle(L"Nineteen characters");
    const std::vector<BYTE> bytes = TemplateBytes(dialog);
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(At<DWORD>(bytes, 0), 0x80C800C0u);
    EXPECT_EQ(At<DWORD>(bytes, 4) | At<WORD>(bytes, 8), 0u); // no extended style, no controls
    EXPECT_EQ(At<DWORD>(bytes, 18), 0u);                     // no menu, the platform's class
    EXPECT_EQ(StringAt(bytes, 22), L"Nineteen characters");
    EXPECT_EQ(At<WORD>(bytes, 62), 12u);
    EXPECT_EQ(StringAt(bytes, 64), L"Tahoma");
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

} // namespace
