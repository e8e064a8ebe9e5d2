// The dialog grid, the ItemType table and the band operations of the main window.
#include "setup/Bands.h"
#include "setup/ItemType.h"
#include "setup/PlaceRect.h"
#include "tests/setup/DialogDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

namespace {

TEST(PlaceRect, FlagsActInTheOrderOfTheirValues) {
    const RECT row = {7, 7, 99, 14};
    const struct {
        RECT from;
        int flags;
        RECT to;
    } cases[] = {
        {{}, 1, {7, 7, 99, 14}},
        {row, 6, {7, 14, 99, 21}},
        {row, 134, {7, 17, 99, 24}},
        {{20, 3, 40, 14}, 130, {7, 6, 99, 17}},
        {{}, PLACE_FIRST_ROW | PLACE_TALL, {7, 7, 99, 15}},
        {{7, 7, 99, 15}, 134 | PLACE_TALL, {7, 19, 99, 27}},
        {row, PLACE_LEFT_HALF, {7, 7, 53, 14}},
        {row, PLACE_RIGHT_HALF, {53, 7, 99, 14}},
        {row, PLACE_WIDE_LEFT, {7, 7, 92, 14}},
        {row, PLACE_NARROW_RIGHT | PLACE_TALL, {91, 7, 99, 14}},
        {row, PLACE_RIGHT_HALF | PLACE_INDENT, {61, 7, 99, 14}}, // the indent after the half
    };
    for (const auto& c : cases) {
        RECT rect = c.from;
        PlaceRect(rect, c.flags);
        EXPECT_EQ(rect, c.to) << "flags " << c.flags;
    }
    RECT rect = row;
    PlaceColumn(rect, 2, 3, PLACE_NEXT_ROW);
    EXPECT_EQ(rect, RECT({37, 14, 67, 21}));
    PlaceColumn(rect, 4, 4, 0);
    EXPECT_EQ(rect, RECT({76, 14, 99, 21}));
}

TEST(ItemType, NamesMapExactlyAndBack) {
    for (int type = 128; type <= 147; ++type) {
        EXPECT_EQ(ItemTypeOfClass(ClassOfItemType(type)), type);
    }
    EXPECT_EQ(ItemTypeOfClass(L"BUTTON"), 128);
    EXPECT_EQ(ItemTypeOfClass(L"msctls_trackbar32"), 136);
    EXPECT_EQ(ClassOfItemType(143), L"SysDateTimePick32");
    EXPECT_EQ(ItemTypeOfClass(L"ICON"), 147);
    EXPECT_EQ(ItemTypeOfClass(L"Button"), 0);
    for (int outside : {0, 127, 148}) {
        EXPECT_EQ(ClassOfItemType(outside), L"");
    }
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
}

// A real child window of a parent 240 pixels wide, placed as the main window places its buttons.
TEST(Bands, PlaceRealWindowsInRowsColumnsAndCells) {
    CWnd parent, child;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, {0, 0, 240, 268}, nullptr, 0);
    child.CreateEx(0, L"BUTTON", L"", WS_CHILD, {0, 0, 10, 10}, &parent, 1);
    const RECT row1 = {5, 220, 235, 258}, band = {0, 0, 100, 200};
    const RECT row2 = CutBottomBand(CutBottomBand(row1, nullptr, -38, 5), nullptr, 38, 0);
    EXPECT_EQ(row2, RECT({10, 182, 230, 220}));
    const RECT row3 = CutBottomBand(CutBottomBand(row2, nullptr, -38, 5), nullptr, 38, 0);
    const struct {
        std::function<void()> place;
        RECT to;
    } cases[] = {
        {[&] { PlaceInRow(&child, row1, 0, 3, 5); }, {10, 225, 80, 253}},   // Sniplets
        {[&] { PlaceInRow(&child, row1, 1, 3, 5); }, {85, 225, 155, 253}},  // Boot-IM
        {[&] { PlaceInRow(&child, row1, 3, 4, 5); }, {179, 225, 230, 253}}, // Help
        {[&] { PlaceInRow(&child, row2, 1, 3, 5); }, {86, 187, 152, 215}},  // Keyboard
        {[&] { PlaceInRow(&child, row3, 1, 3, 5); }, {88, 149, 151, 177}},  // General
        {[&] { PlaceInColumn(&child, band, 0, 3, 5); }, {5, 5, 95, 65}},
        {[&] { PlaceInColumn(&child, band, 2, 3, 5); }, {5, 135, 95, 195}},
        {[&] { PlaceAfterCells(&child, band, 2, 20, 3); }, {43, 3, 97, 197}},
        {[&] { PlaceCellSpan(&child, band, 1, 2, 20, 3); }, {23, 3, 63, 197}},
        {[&] { CutBottomBand(band, &child, 30, 0); }, {0, 170, 100, 200}},
        {[&] {
             AlignWindow(&child, {0, 0, 240, 268}, ALIGN_TOP | ALIGN_RIGHT, 10);
         },
         {130, 10, 230, 40}},
        {[&] {
             AlignWindow(&child, {0, 0, 240, 268}, 0, 50);
         },
         {130, 10, 230, 40}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        cases[i].place();
        EXPECT_EQ(ControlRect(child.m_hWnd), cases[i].to) << "case " << i;
    }
}

} // namespace
