// The keyboard model without a window: the page rule, the repeat's rates and keys, the faces and
// cells of the geometry, the text page and what each label types, shows and is named.
#include "foundation/Settings.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyNames.h"
#include "keyboard/ModuleInstance.h"
#include "keyboard/RepeatRates.h"
#include "keyboard/TextPage.h"
#include "tests/support/Rects.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

TEST(PageRule, TheToggleStepsFirstSecondTextAndTheTextPageNeedsTexts) {
    const struct {
        int Page;
        bool HasTexts;
        int Next, Shown;
    } cases[] = {
        {FirstPage, false, SecondPage, FirstPage},  {FirstPage, true, SecondPage, FirstPage},
        {SecondPage, false, FirstPage, SecondPage}, {SecondPage, true, TextPage, SecondPage},
        {TextPage, true, FirstPage, TextPage},      {TextPage, false, FirstPage, FirstPage},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextPage(c.Page, c.HasTexts), c.Next) << c.Page << " " << c.HasTexts;
        EXPECT_EQ(ShownPage(c.Page, c.HasTexts), c.Shown) << c.Page << " " << c.HasTexts;
    }
}

// Settings outside the documented ranges count as the nearest end.
TEST(RepeatRates, DelayAndPeriodFollowTheSystemsSettings) {
    for (const auto& [setting, ms] : {std::pair{-5, 250}, {0, 250}, {1, 500}, {3, 1000}, {9, 1000}})
        EXPECT_EQ(RepeatDelayMs(setting), ms) << setting;
    for (const auto& [setting, ms] : {std::pair{0u, 400}, {15u, 63}, {31u, 33}, {4000000000u, 33}})
        EXPECT_EQ(RepeatPeriodMs(setting), ms) << setting;
}

// The keyboards as built from the records, in the test program's settings; the key pictures
// come from its own resources.
class Model : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DeleteFileW(L"C:\\Plinkerpad.ini");
        ModuleInstance = GetModuleHandleW(nullptr);
        BuildKeyboards();
    }
    void SetUp() override { GetSettings() = Settings{}; }
    // The geometry of a docked 238 x 78 window, shadowed keys (margin 2).
    int Docked(int keyboardType, int page = FirstPage) {
        GetSettings().KeyboardType = keyboardType;
        GetSettings().No3D = 0;
        return ComputeGeometry(0, 0, 238, 78, 0, page, StandardDpi);
    }
};

// Each label's code, picture, colour in the coloured scheme and spoken name. The decimal key
// types the locale's separator ("." here) and the other separator key the other one.
TEST_F(Model, EachLabelTypesShowsAndIsNamedAsItsWordSays) {
    const COLORREF Gray = 0xC0C0C0, Digit = 0xFFA0A0, Navigation = 0xB0FFFF, Hex = 0xFF8080;
    const struct {
        int Type, Page, Slot, Code;
        KeyPicture Picture;
        COLORREF Face;
        const wchar_t* Name;
    } cases[] = {
        {0, 0, 0, 144, PictureNumLockInverse, Gray, L"Next page"},
        {0, 1, 0, 144, PictureNumLock, Gray, L"Next page"},
        {5, 0, 0, 144, PictureNumLock, Gray, L"Next page"},
        {0, 0, 1, '7', NoPicture, Digit, L"7"},
        {0, 0, 4, 8, PictureBackspace, Gray, L"Backspace"},
        {0, 0, 5, '\t', PictureTab, Gray, L"Tab"},
        {0, 0, 14, '.', NoPicture, Gray, L"Decimal separator"},
        {0, 1, 3, -36, PictureHome, Navigation, L"Home"},
        {0, 1, 13, -40, PictureDown, Navigation, L"Down"},
        {1, 1, 1, -1, NoPicture, Gray, L"Cut"},
        {1, 1, 14, -4, NoPicture, Gray, L"Undo"},
        {1, 1, 7, -46, NoPicture, Gray, L"Delete"},
        {1, 1, 12, ' ', PictureSpace, Gray, L"Space"},
        {1, 1, 15, 0x20AC, NoPicture, Gray, L"Euro sign"},
        {2, 0, 5, 'B', NoPicture, Hex, L"B"},
        {2, 1, 8, 'b', NoPicture, Gray, L"b"},
        {4, 0, 29, -35, PictureEnd, Navigation, L"End"},
        {4, 0, 35, ',', NoPicture, Gray, L"Comma"},
        {4, 0, 36, '\r', PictureReturn, Gray, L"Enter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const int layout = PagesPerType * c.Type + c.Page;
        const KeyDef& key = LayoutKey(layout, c.Slot);
        EXPECT_EQ(key.GetCode(), c.Code);
        EXPECT_EQ(key.GetImage(), KeyPictureIndex(c.Picture));
        EXPECT_EQ(NormalFace(key, Colored).Background, c.Face);
        EXPECT_EQ(NormalFace(key, Grey).Background, Gray);
        EXPECT_EQ(NormalFace(key, BlackAndWhite).Background, 0xFFFFFFu);
        EXPECT_EQ(KeyName(layout, c.Slot), c.Name);
    }
    EXPECT_GE(KeyPictureIndex(PictureNumLock), 0) << "the pictures were not loaded";
}

// Every key of every page has a name of its own, and exactly the editing keys repeat. Big
// numeric's first page has nearly every word.
TEST_F(Model, EveryKeyIsNamedAndOnlyTheEditingKeysRepeat) {
    // clang-format off
    const wchar_t* const bigNumeric[] = {
        L"Next page", L"Semicolon", L"Colon", L"7", L"8", L"9", L"Plus", L"Slash", L"Equals",
        L"Backspace", L"Tab", L"Euro sign", L"Dollar sign", L"4", L"5", L"6", L"Minus", L"Asterisk",
        L"Left parenthesis", L"Right parenthesis", L"Less than", L"Left bracket", L"Right bracket",
        L"1", L"2", L"3", L"Enter", L"Home", L"Up", L"End", L"Greater than", L"Space", L"Space",
        L"0", L"Decimal separator", L"Comma", L"Enter", L"Left", L"Down", L"Right"};
    // clang-format on
    for (int slot = 0; slot < SlotsPerLayout; ++slot)
        EXPECT_EQ(KeyName(PagesPerType * 4, slot), bigNumeric[slot]) << slot;
    const std::set<std::wstring> editing = {L"Backspace", L"Delete", L"Left",
                                            L"Up",        L"Right",  L"Down"};
    for (int layout = 0; layout < BuiltInLayoutCount; ++layout) {
        const KeyboardType& type = KeyboardTypes[layout / PagesPerType];
        for (int slot = 0; slot < type.Columns * type.Rows; ++slot) {
            const std::wstring name = KeyName(layout, slot);
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", slot " << slot);
            EXPECT_TRUE(HoldsKey(layout, slot));
            EXPECT_FALSE(name.empty() || name[0] == L'<' || name[0] == L'^' || name == L"BS");
            EXPECT_EQ(LayoutKey(layout, slot).RepeatsWhileHeld(), editing.count(name) == 1);
        }
    }
    KeyDef text;
    text.SetText(L"\b");
    EXPECT_FALSE(text.RepeatsWhileHeld());
}

// The cells left of or above the grid's first cell, beyond its last, and the keys: both cells of
// a two-cell key ("Enter" in column 6, rows 2 and 3; "Space" in row 3, columns 1 and 2) give its
// one face, 22 x 19 cells each less the margin of 2, right of the strip of 9.
TEST_F(Model, KeysAreFoundInTheirCellsAndTwoCellKeysHaveOneFace) {
    const int layout = Docked(4);
    for (const auto& [x, y, slot] : {std::array{11, 2, 0},
                                     {10, 2, -1},
                                     {11, 1, -1},
                                     {230, 76, 39},
                                     {231, 40, -1},
                                     {40, 78, -1},
                                     {143, 70, 36}})
        EXPECT_EQ(KeyAt(x, y), slot) << x << ", " << y;
    const struct {
        int Row, Column, Slot;
        RECT Face;
    } cases[] = {
        {0, 0, 0, {11, 2, 31, 19}},
        {2, 6, 26, {143, 40, 163, 76}},
        {3, 6, 26, {143, 40, 163, 76}},
        {3, 1, 31, {33, 59, 75, 76}},
        {3, 2, 31, {33, 59, 75, 76}},
        {3, 9, 39, {209, 59, 229, 76}},
        {4, 0, -1, {}},
        {0, 10, -1, {}},
        {-1, 0, -1, {}},
    };
    for (const auto& c : cases) {
        const KeyFace face = KeyFaceRect(c.Row, c.Column, layout);
        EXPECT_EQ(face.Slot, c.Slot) << c.Row << ", " << c.Column;
        EXPECT_EQ(face.Rect, c.Face) << c.Row << ", " << c.Column;
    }
}

TEST_F(Model, AWindowWithoutAPixelPerKeyHasNoKeys) {
    for (const SIZE size : {SIZE{15, 80}, SIZE{240, 4}, SIZE{-20, -20}}) {
        EXPECT_EQ(ComputeGeometry(0, 0, size.cx, size.cy, 0, 0, StandardDpi), 0);
        EXPECT_EQ(KeyAt(11, 2), -1);
        EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    }
}

// Text N in slot N, so each keeps its place, named by its text; the toggle leads back with the
// second page's picture of the shown type. The page is filled again only when the texts or the
// type change.
TEST_F(Model, TheTextPageHoldsTheToggleAndEachTextInItsOwnSlot) {
    Settings& settings = GetSettings();
    settings.Sniplets[1] = L"Tip 10 %";
    settings.Sniplets[11] = L"x\U0001F600";
    settings.KeyboardType = 5;
    UpdateTextPage();
    const int filled = TextPageRevision();
    UpdateTextPage();
    EXPECT_EQ(TextPageRevision(), filled);
    EXPECT_EQ(LayoutKey(TextLayout, 0).GetCode(), PageToggleCode);
    EXPECT_EQ(LayoutKey(TextLayout, 0).GetImage(), KeyPictureIndex(PictureNumLockInverse));
    for (const int slot : {1, 3, 11, 13})
        EXPECT_FALSE(HoldsKey(TextLayout, slot)) << slot;
    EXPECT_EQ(LayoutKey(TextLayout, 2).GetText(), L"Tip 10 %");
    EXPECT_EQ(KeyName(TextLayout, 12), L"x\U0001F600");
    EXPECT_EQ(Docked(5, TextPage), TextLayout);
    settings.KeyboardType = 0;
    UpdateTextPage();
    EXPECT_EQ(LayoutKey(TextLayout, 0).GetImage(), KeyPictureIndex(PictureNumLock));
    settings.Sniplets[1].clear();
    UpdateTextPage();
    EXPECT_EQ(TextPageRevision(), filled + 2);
    EXPECT_FALSE(HoldsKey(TextLayout, 2));
}

} // namespace
