// The dialog grid, the ItemType table and the band operations of the main window (whose buttons
// the main window's test measures).
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
        {row, 134, {7, 17, 99, 24}},
        {{20, 3, 40, 14}, 130, {7, 6, 99, 17}},
        {{7, 7, 99, 15}, 134 | PLACE_TALL, {7, 19, 99, 27}},
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
}

TEST(ItemType, NamesMapExactlyAndBack) {
    for (int type = FirstItemType; type <= LastItemType; ++type)
        EXPECT_EQ(ItemTypeOfClass(ClassOfItemType(type)), type);
    EXPECT_EQ(ItemTypeOfClass(L"Button"), 0);
    EXPECT_EQ(ClassOfItemType(LastItemType + 1), L"");
}

// Band cuts, and real child windows placed in the cells of a band of a parent window.
TEST(Bands, CutsAndPlacesInRowsColumnsAndCells) {
    const RECT area = {0, 0, 240, 268}, band = {0, 0, 100, 200};
    EXPECT_EQ(CutBottomBand(area, nullptr, -10, 5), RECT({5, 5, 235, 258}));
    EXPECT_EQ(CutTopBand(area, nullptr, -20, 3), RECT({3, 23, 237, 268}));
    EXPECT_EQ(CutRightBand(area, nullptr, 40, 2), RECT({202, 2, 238, 266}));
    EXPECT_EQ(InsetBand(area, nullptr, 6), RECT({6, 6, 234, 262}));
    CWnd parent, child;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, area, nullptr, 0);
    child.CreateEx(0, L"BUTTON", L"", WS_CHILD, {0, 0, 10, 10}, &parent, 1);
    const struct {
        std::function<void()> place;
        RECT to;
    } cases[] = {
        {[&] { PlaceInColumn(&child, band, 2, 3, 5); }, {5, 135, 95, 195}},
        {[&] { PlaceAfterCells(&child, band, 2, 20, 3); }, {43, 3, 97, 197}},
        {[&] { PlaceCellSpan(&child, band, 1, 2, 20, 3); }, {23, 3, 63, 197}},
        {[&] { CutBottomBand(band, &child, 30, 0); }, {0, 170, 100, 200}},
        {[&] { AlignWindow(&child, area, ALIGN_TOP | ALIGN_RIGHT, 10); }, {130, 10, 230, 40}},
        {[&] { AlignWindow(&child, area, 0, 50); }, {130, 10, 230, 40}}, // no side: stays
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        cases[i].place();
        EXPECT_EQ(ControlRect(child.m_hWnd), cases[i].to) << "case " << i;
    }
}

} // namespace
