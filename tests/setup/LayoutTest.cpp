// The dialog grid and the ItemType table. The bands that the main window cuts are measured on
// its buttons.
#include "setup/ItemType.h"
#include "setup/PlaceRect.h"
#include "tests/support/Rects.h"

#include <gtest/gtest.h>

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
}

TEST(ItemType, NamesMapExactlyAndBack) {
    for (int type = FirstItemType; type <= LastItemType; ++type)
        EXPECT_EQ(ItemTypeOfClass(ClassOfItemType(type)), type);
    EXPECT_EQ(ItemTypeOfClass(L"Button"), 0);
    EXPECT_EQ(ClassOfItemType(LastItemType + 1), L"");
}

} // namespace
