// The dialog grid, the ItemType table and the band operations of the main window.
#include "setup/Bands.h"
#include "setup/ItemType.h"
#include "setup/PlaceRect.h"
#include "tests/setup/TestRect.h"

#include <gtest/gtest.h>

namespace {

RECT Placed(RECT rect, int flags) {
    PlaceRect(rect, flags);
    return rect;
}

TEST(PlaceRect, CombinationsOfTheSettingsPages) {
    EXPECT_EQ(Placed({0, 0, 0, 0}, 1), RECT({7, 7, 99, 14}));
    EXPECT_EQ(Placed({7, 7, 99, 14}, 6), RECT({7, 14, 99, 21}));
    EXPECT_EQ(Placed({7, 7, 99, 14}, 134), RECT({7, 17, 99, 24}));
    EXPECT_EQ(Placed({20, 3, 40, 14}, 130), RECT({7, 6, 99, 17}));
}

TEST(PlaceRect, TallRowsAreEightHighAndHalfGapFour) {
    EXPECT_EQ(Placed({}, PLACE_FIRST_ROW | PLACE_TALL), RECT({7, 7, 99, 15}));
    EXPECT_EQ(Placed({7, 7, 99, 15}, 134 | PLACE_TALL), RECT({7, 19, 99, 27}));
}

TEST(PlaceRect, HalvesNarrowAndIndent) {
    const RECT row = {7, 7, 99, 14};
    EXPECT_EQ(Placed(row, PLACE_LEFT_HALF), RECT({7, 7, 53, 14}));
    EXPECT_EQ(Placed(row, PLACE_RIGHT_HALF), RECT({53, 7, 99, 14}));
    EXPECT_EQ(Placed(row, PLACE_WIDE_LEFT), RECT({7, 7, 92, 14}));
    EXPECT_EQ(Placed(row, PLACE_NARROW_RIGHT | PLACE_TALL), RECT({91, 7, 99, 14}));
    // The indent applies after the half: flags act in the order of their values.
    EXPECT_EQ(Placed(row, PLACE_RIGHT_HALF | PLACE_INDENT), RECT({61, 7, 99, 14}));
}

TEST(PlaceColumn, NarrowsToOneOfNColumns) {
    RECT rect = {7, 7, 99, 14};
    PlaceColumn(rect, 2, 3, PLACE_NEXT_ROW);
    EXPECT_EQ(rect, RECT({37, 14, 67, 21}));
    PlaceColumn(rect, 4, 4, 0);
    EXPECT_EQ(rect, RECT({76, 14, 99, 21}));
}

TEST(ItemType, NamesMapExactlyAndBack) {
    EXPECT_EQ(ItemTypeOfClass(L"BUTTON"), 128);
    EXPECT_EQ(ItemTypeOfClass(L"COMBOBOX"), 133);
    EXPECT_EQ(ItemTypeOfClass(L"msctls_trackbar32"), 136);
    EXPECT_EQ(ItemTypeOfClass(L"ICON"), 147);
    EXPECT_EQ(ItemTypeOfClass(L"Button"), 0);
    EXPECT_EQ(ItemTypeOfClass(L""), 0);
    for (int type = 128; type <= 147; ++type) {
        EXPECT_EQ(ItemTypeOfClass(ClassOfItemType(type)), type);
    }
    EXPECT_EQ(ClassOfItemType(143), L"SysDateTimePick32");
    EXPECT_EQ(ClassOfItemType(0), L"");
    EXPECT_EQ(ClassOfItemType(127), L"");
    EXPECT_EQ(ClassOfItemType(148), L"");
}

TEST(Bands, CutsOfTheFourSides) {
    const RECT area = {0, 0, 240, 268};
    EXPECT_EQ(CutBottomBand(area, nullptr, 38, 0), RECT({0, 230, 240, 268}));
    EXPECT_EQ(CutBottomBand({0, 230, 240, 268}, nullptr, -10, 5), RECT({5, 235, 235, 258}));
    EXPECT_EQ(CutBottomBand(area, nullptr, 38, 4), RECT({4, 234, 236, 264}));
    EXPECT_EQ(CutTopBand(area, nullptr, 20, 0), RECT({0, 0, 240, 20}));
    EXPECT_EQ(CutTopBand(area, nullptr, -20, 3), RECT({3, 23, 237, 268}));
    EXPECT_EQ(CutRightBand(area, nullptr, 40, 2), RECT({202, 2, 238, 266}));
    EXPECT_EQ(CutRightBand(area, nullptr, -40, 2), RECT({2, 2, 200, 266}));
    EXPECT_EQ(InsetBand(area, nullptr, 6), RECT({6, 6, 234, 262}));
    EXPECT_EQ(InsetBand(area, nullptr, 0), area);
}

// Real child windows of a parent 240 pixels wide, placed as the main window places its buttons.
class PlacedWindows : public ::testing::Test {
protected:
    void SetUp() override {
        parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 240, 268}, nullptr, 0);
        child.CreateEx(0, L"BUTTON", L"", WS_CHILD, {0, 0, 10, 10}, &parent, 1);
    }
    RECT Placement() const {
        RECT rect;
        GetWindowRect(child.m_hWnd, &rect);
        MapWindowPoints(nullptr, parent.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    CWnd parent;
    CWnd child;
};

TEST_F(PlacedWindows, RowsOfTheMainWindowAt240Wide) {
    const RECT row1 = {5, 220, 235, 258};
    PlaceInRow(&child, row1, 0, 3, 5);
    EXPECT_EQ(Placement(), RECT({10, 225, 80, 253})); // Sniplets
    PlaceInRow(&child, row1, 1, 3, 5);
    EXPECT_EQ(Placement(), RECT({85, 225, 155, 253})); // Boot-IM
    PlaceInRow(&child, row1, 3, 4, 5);
    EXPECT_EQ(Placement(), RECT({179, 225, 230, 253})); // Help
    const RECT row2 = CutBottomBand(CutBottomBand(row1, nullptr, -38, 5), nullptr, 38, 0);
    EXPECT_EQ(row2, RECT({10, 182, 230, 220}));
    PlaceInRow(&child, row2, 1, 3, 5);
    EXPECT_EQ(Placement(), RECT({86, 187, 152, 215})); // Keyboard
    const RECT row3 = CutBottomBand(CutBottomBand(row2, nullptr, -38, 5), nullptr, 38, 0);
    PlaceInRow(&child, row3, 1, 3, 5);
    EXPECT_EQ(Placement(), RECT({88, 149, 151, 177})); // General
}

TEST_F(PlacedWindows, ColumnsCellsAndAlignment) {
    const RECT band = {0, 0, 100, 200};
    PlaceInColumn(&child, band, 0, 3, 5);
    EXPECT_EQ(Placement(), RECT({5, 5, 95, 65}));
    PlaceInColumn(&child, band, 2, 3, 5);
    EXPECT_EQ(Placement(), RECT({5, 135, 95, 195}));
    PlaceAfterCells(&child, band, 2, 20, 3);
    EXPECT_EQ(Placement(), RECT({43, 3, 97, 197}));
    PlaceCellSpan(&child, band, 1, 2, 20, 3);
    EXPECT_EQ(Placement(), RECT({23, 3, 63, 197}));
    CutBottomBand(band, &child, 30, 0);
    EXPECT_EQ(Placement(), RECT({0, 170, 100, 200}));
    AlignWindow(&child, {0, 0, 240, 268}, ALIGN_TOP | ALIGN_RIGHT, 10);
    EXPECT_EQ(Placement(), RECT({130, 10, 230, 40}));
    AlignWindow(&child, {0, 0, 240, 268}, 0, 50);
    EXPECT_EQ(Placement(), RECT({130, 10, 230, 40}));
}

} // namespace
