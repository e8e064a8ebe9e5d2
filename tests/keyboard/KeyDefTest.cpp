// Key records and the add operations that fill the layout table.
#include "keyboard/KeyLayouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(KeyDefTest, NegativePictureAndSpansBecomeMinusOne) {
    const int cases[][2] = {{-7, -1}, {-1, -1}, {0, 0}, {2, 2}, {11, 11}};
    for (const auto& c : cases) {
        KeyDef key;
        key.SetImage(c[0]);
        key.SetHorizontalSpan(c[0]);
        key.SetVerticalSpan(c[0]);
        EXPECT_EQ(key.GetImage(), c[1]) << c[0];
        EXPECT_EQ(key.GetHorizontalSpan(), c[1]) << c[0];
        EXPECT_EQ(key.GetVerticalSpan(), c[1]) << c[0];
    }
}

TEST(KeyDefTest, CodeAndTextExcludeEachOther) {
    KeyDef key;
    key.SetCode(55);
    key.SetText(L"www");
    EXPECT_EQ(key.GetCode(), -1);
    key.SetCode(8364);
    EXPECT_EQ(key.GetCode(), 8364);
    EXPECT_EQ(key.GetText(), L"");
}

// Works on layout 10 of the module-wide table and puts the whole table back afterwards.
class AddKeyTest : public ::testing::Test {
protected:
    static constexpr int Layout = 10;
    void SetUp() override { NextKeySlot = 0; }
    void TearDown() override {
        std::copy(Saved.begin(), Saved.end(), KeyLayouts);
        NextKeySlot = SavedCursor;
    }
    std::vector<KeyDef> Saved{std::begin(KeyLayouts), std::end(KeyLayouts)};
    int SavedCursor = NextKeySlot;
};

TEST_F(AddKeyTest, AddingKeepsSpansAndSetsCodeOrText) {
    LayoutKey(Layout, 0).SetVerticalSpan(-1);
    LayoutKey(Layout, 0).SetText(L"old");
    EXPECT_TRUE(AddCharKey(Layout, L"1", 49));
    EXPECT_EQ(LayoutKey(Layout, 0).GetVerticalSpan(), -1);
    EXPECT_EQ(LayoutKey(Layout, 0).GetText(), L"");
    EXPECT_EQ(LayoutKey(Layout, 0).GetCode(), 49);
    EXPECT_TRUE(AddTextKey(Layout, L"- 2 -", L"www"));
    EXPECT_EQ(LayoutKey(Layout, 1).GetLabel(), L"- 2 -");
    EXPECT_EQ(LayoutKey(Layout, 1).GetText(), L"www");
    EXPECT_EQ(LayoutKey(Layout, 1).GetCode(), -1);
    EXPECT_EQ(NextKeySlot, 2);
}

TEST_F(AddKeyTest, NeverWritesPastTheFortySlots) {
    const KeyDef next = LayoutKey(Layout + 1, 0);
    for (int slot = 0; slot < SlotsPerLayout; ++slot)
        ASSERT_TRUE(AddCharKey(Layout, L"x", 'x'));
    EXPECT_FALSE(AddCharKey(Layout, L"y", 'y'));
    EXPECT_FALSE(AddKey(Layout, L"y", 'y', -1, 0, nullptr));
    EXPECT_FALSE(AddImageKey(Layout, L"y", 'y', 0));
    EXPECT_FALSE(AddTextKey(Layout, L"y", L"y"));
    EXPECT_EQ(NextKeySlot, SlotsPerLayout);
    EXPECT_EQ(LayoutKey(Layout, 39).GetLabel(), L"x");
    EXPECT_EQ(LayoutKey(Layout + 1, 0).GetLabel(), next.GetLabel());
    EXPECT_EQ(LayoutKey(Layout + 1, 0).GetCode(), next.GetCode());

    NextKeySlot = -1;
    EXPECT_FALSE(AddCharKey(Layout, L"y", 'y'));
    NextKeySlot = 0;
    EXPECT_FALSE(AddCharKey(LayoutCount, L"y", 'y'));
    EXPECT_FALSE(AddCharKey(-1, L"y", 'y'));
    EXPECT_EQ(NextKeySlot, 0);
}

} // namespace
