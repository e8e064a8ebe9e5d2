// Key records and the operations that fill the layout table.
#include "keyboard/KeyDef.h"
#include "keyboard/KeyLayouts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyDefTest, NewRecordHoldsNoKey) {
    KeyDef key;
    EXPECT_EQ(key.GetLabel(), L"");
    EXPECT_EQ(key.GetCode(), -1);
    EXPECT_EQ(key.GetText(), L"");
    EXPECT_EQ(key.GetImage(), -1);
    EXPECT_EQ(key.GetFaceColor(), 0xFFFFFFFFu);
    EXPECT_EQ(key.GetFaceBrush(), nullptr);
    EXPECT_EQ(key.GetHorizontalSpan(), 0);
    EXPECT_EQ(key.GetVerticalSpan(), 0);
}

TEST(KeyDefTest, NegativePictureAndSpansBecomeMinusOne) {
    struct {
        int Value;
        int Stored;
    } const cases[] = {{-7, -1}, {-3, -1}, {-1, -1}, {0, 0}, {2, 2}, {11, 11}};
    for (const auto& c : cases) {
        KeyDef key;
        key.SetImage(c.Value);
        key.SetHorizontalSpan(c.Value);
        key.SetVerticalSpan(c.Value);
        EXPECT_EQ(key.GetImage(), c.Stored) << c.Value;
        EXPECT_EQ(key.GetHorizontalSpan(), c.Stored) << c.Value;
        EXPECT_EQ(key.GetVerticalSpan(), c.Stored) << c.Value;
    }
}

TEST(KeyDefTest, CodeAndTextExcludeEachOther) {
    KeyDef key;
    key.SetCode(55);
    key.SetText(L"www");
    EXPECT_EQ(key.GetCode(), -1);
    EXPECT_EQ(key.GetText(), L"www");
    key.SetCode(8364);
    EXPECT_EQ(key.GetCode(), 8364);
    EXPECT_EQ(key.GetText(), L"");
}

// Works on one layout of the module-wide table and puts it back afterwards.
class AddKeyTest : public ::testing::Test {
protected:
    static constexpr int Layout = 11;

    void SetUp() override {
        Saved.assign(&LayoutKey(Layout, 0), &LayoutKey(Layout, 0) + SlotsPerLayout);
        SavedNext = &LayoutKey(Layout + 1 == LayoutCount ? 0 : Layout + 1, 0);
        SavedNextKey = *SavedNext;
        SavedCursor = NextKeySlot;
        for (int slot = 0; slot < SlotsPerLayout; ++slot)
            LayoutKey(Layout, slot) = KeyDef();
        NextKeySlot = 0;
    }
    void TearDown() override {
        for (int slot = 0; slot < SlotsPerLayout; ++slot)
            LayoutKey(Layout, slot) = Saved[slot];
        *SavedNext = SavedNextKey;
        NextKeySlot = SavedCursor;
    }

    std::vector<KeyDef> Saved;
    KeyDef* SavedNext = nullptr;
    KeyDef SavedNextKey;
    int SavedCursor = 0;
};

TEST_F(AddKeyTest, FillsConsecutiveSlots) {
    HBRUSH brush = reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    EXPECT_TRUE(AddKey(Layout, L"7", 55, 3, 0x00FFA0A0, brush));
    EXPECT_TRUE(AddCharKey(Layout, L"(", 40));
    LayoutKey(Layout, NextKeySlot - 1).SetHorizontalSpan(1);
    EXPECT_TRUE(AddImageKey(Layout, L"BS", 8, 0));
    EXPECT_TRUE(AddTextKey(Layout, L"- 2 -", L"- 2 -"));
    EXPECT_EQ(NextKeySlot, 4);

    const KeyDef& key = LayoutKey(Layout, 0);
    EXPECT_EQ(key.GetLabel(), L"7");
    EXPECT_EQ(key.GetCode(), 55);
    EXPECT_EQ(key.GetImage(), 3);
    EXPECT_EQ(key.GetFaceColor(), 0x00FFA0A0u);
    EXPECT_EQ(key.GetFaceBrush(), brush);

    const KeyDef& character = LayoutKey(Layout, 1);
    EXPECT_EQ(character.GetLabel(), L"(");
    EXPECT_EQ(character.GetCode(), 40);
    EXPECT_EQ(character.GetImage(), -1);
    EXPECT_EQ(character.GetFaceColor(), 0xFFFFFFFFu);
    EXPECT_EQ(character.GetFaceBrush(), nullptr);
    EXPECT_EQ(character.GetHorizontalSpan(), 1);

    const KeyDef& image = LayoutKey(Layout, 2);
    EXPECT_EQ(image.GetCode(), 8);
    EXPECT_EQ(image.GetImage(), 0);
    EXPECT_EQ(image.GetFaceBrush(), nullptr);
    EXPECT_EQ(image.GetHorizontalSpan(), 0);

    const KeyDef& text = LayoutKey(Layout, 3);
    EXPECT_EQ(text.GetLabel(), L"- 2 -");
    EXPECT_EQ(text.GetText(), L"- 2 -");
    EXPECT_EQ(text.GetCode(), -1);
    EXPECT_EQ(LayoutKey(Layout, 4).GetLabel(), L"");
}

TEST_F(AddKeyTest, AddingKeepsSpansAndClearsText) {
    LayoutKey(Layout, 0).SetVerticalSpan(-1);
    LayoutKey(Layout, 0).SetText(L"old");
    AddCharKey(Layout, L"1", 49);
    EXPECT_EQ(LayoutKey(Layout, 0).GetVerticalSpan(), -1);
    EXPECT_EQ(LayoutKey(Layout, 0).GetText(), L"");
    EXPECT_EQ(LayoutKey(Layout, 0).GetCode(), 49);
}

TEST_F(AddKeyTest, NeverWritesPastTheFortySlots) {
    for (int slot = 0; slot < SlotsPerLayout; ++slot)
        ASSERT_TRUE(AddCharKey(Layout, L"x", 'x'));
    EXPECT_FALSE(AddCharKey(Layout, L"y", 'y'));
    EXPECT_FALSE(AddKey(Layout, L"y", 'y', -1, 0, nullptr));
    EXPECT_FALSE(AddImageKey(Layout, L"y", 'y', 0));
    EXPECT_FALSE(AddTextKey(Layout, L"y", L"y"));
    EXPECT_EQ(NextKeySlot, SlotsPerLayout);
    EXPECT_EQ(LayoutKey(Layout, 39).GetLabel(), L"x");
    EXPECT_EQ(SavedNext->GetLabel(), SavedNextKey.GetLabel());
    EXPECT_EQ(SavedNext->GetCode(), SavedNextKey.GetCode());

    NextKeySlot = -1;
    EXPECT_FALSE(AddCharKey(Layout, L"y", 'y'));
    NextKeySlot = 0;
    EXPECT_FALSE(AddCharKey(LayoutCount, L"y", 'y'));
    EXPECT_FALSE(AddCharKey(-1, L"y", 'y'));
    EXPECT_EQ(NextKeySlot, 0);
}

TEST_F(AddKeyTest, SharedBrushesAreCreatedOnce) {
    AddCharKey(Layout, L"1", 49);
    HBRUSH shared[] = {GrayBrush, WhiteBrush, BlackBrush};
    for (HBRUSH brush : shared)
        EXPECT_NE(brush, nullptr);
    EXPECT_NE(shared[0], shared[1]);
    EXPECT_NE(shared[1], shared[2]);

    AddImageKey(Layout, L"2", 50, 0);
    AddKey(Layout, L"3", 51, -1, 0, nullptr);
    EXPECT_EQ(static_cast<HBRUSH>(GrayBrush), shared[0]);
    EXPECT_EQ(static_cast<HBRUSH>(WhiteBrush), shared[1]);
    EXPECT_EQ(static_cast<HBRUSH>(BlackBrush), shared[2]);
}

} // namespace
