// The twelve built-in keyboards, slot by slot, and what building them creates.
#include "keyboard/BuildKeyboards.h"
#include "keyboard/KeyLayouts.h"
#include "tests/keyboard/TestKeyboards.h"

#include "foundation/Settings.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

namespace {

// "T" is the page toggle, "DEC" the decimal key, "OTH" the other separator.
const wchar_t* const ExpectedLayouts[LayoutCount] = {
    L"T 7 8 9 BS  TAB 4 5 6 RET  0 1 2 3 DEC",
    L"T ( ) HM BS  / * - UP RET  = + LT DN RT",
    L"T 7 8 9 BS  TAB 4 5 6 RET  / 1 2 3 -  * 0 DEC = +",
    L"T ^X ^C ^V BS  ( ) DEL HM RET  $ % SPC UP ^Z  \u20AC : LT DN RT",
    L"T 7 8 9 A B BS  TAB 4 5 6 C D RET  0 1 2 3 E F DEC",
    L"T % : + / HM BS  $ b = - * UP RET  \u20AC h ( ) LT DN RT",
    L"T C 7 8 9 BS  TAB D 4 5 6 RET  A E 1 2 3 -  B F 0 DEC = +",
    L"T ' ^X ^C ^V BS  ; ( ) DEL HM RET  $ / % SPC UP ^Z  \u20AC * : LT DN RT",
    L"T ; : 7 8 9 + / = BS  TAB \u20AC $ 4 5 6 - * ( )  < [ ] 1 2 3 RET HM UP END"
    L"  > SPC SPC 0 DEC OTH RET LT DN RT",
    L"T A E 7 8 9 + / = BS  TAB B F 4 5 6 - * ( )  < C h 1 2 3 RET HM UP END"
    L"  > D b 0 DEC OTH RET LT DN RT",
    L"T 1 2 3 4 5 6 7 8 9 0 DEC RET",
    L"T TAB + - * / = LT DN UP RT OTH BS",
};

const int ExpectedKeyCounts[LayoutCount] = {15, 15, 20, 20, 21, 21, 24, 24, 40, 40, 13, 13};

// Picture indices in the order the pictures enter the list.
enum { Backspace, Down, End, Home, Left, NumLock, NumLockInv, Return, Right, Space, Tab, Up };

constexpr COLORREF NoColor = 0xFFFFFFFF;

struct Expected {
    std::wstring Label;
    int Code = -1;
    int Image = -1;
    COLORREF Color = NoColor;
    HBRUSH Brush = nullptr;
};

Expected Named(const std::wstring& token, int layout) {
    struct Entry {
        int Code, Image;
        bool Navigation;
    };
    static const std::map<std::wstring, Entry> named = {
        {L"BS", {8, Backspace, false}}, {L"TAB", {9, Tab, false}},  {L"RET", {13, Return, false}},
        {L"SPC", {32, Space, false}},   {L"HM", {-36, Home, true}}, {L"END", {-35, End, true}},
        {L"LT", {-37, Left, true}},     {L"UP", {-38, Up, true}},   {L"RT", {-39, Right, true}},
        {L"DN", {-40, Down, true}},     {L"DEL", {-46, -1, false}}, {L"^X", {-1, -1, false}},
        {L"^C", {-2, -1, false}},       {L"^V", {-3, -1, false}},   {L"^Z", {-4, -1, false}},
    };
    if (token == L"T") {
        const bool primary = layout % 2 == 0;
        return {L"", 144, (layout < 10 ? primary : !primary) ? NumLockInv : NumLock};
    }
    const Entry& entry = named.at(token);
    if (entry.Navigation)
        return {token, entry.Code, entry.Image, 0x00B0FFFF, NavigationBrush};
    return {token, entry.Code, entry.Image};
}

Expected ExpectedKey(const std::wstring& token, int layout) {
    const std::wstring separator = ExpectedDecimalSeparator();
    if (token == L"DEC")
        return {separator, separator[0]};
    if (token == L"OTH")
        return separator[0] == L'.' ? Expected{L",", 44} : Expected{L".", 46};
    if (token.size() > 1 || token == L"T")
        return Named(token, layout);
    const wchar_t c = token[0];
    if (c >= L'0' && c <= L'9')
        return {token, c, -1, 0x00FFA0A0, DigitBrush};
    if (c >= L'A' && c <= L'F')
        return {token, c, -1, 0x00FF8080, HexBrush};
    return {token, c};
}

class BuiltInLayoutTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { BuildTestKeyboards(); }
};

// Every slot against the table, the slots past the keys left default, and the two-cell keys'
// spans: "RET" over rows 2 and 3 of both big layouts, "SPC" over two columns of layout 8.
TEST_P(BuiltInLayoutTest, EverySlotHoldsItsKey) {
    const int layout = GetParam();
    std::wistringstream stream(ExpectedLayouts[layout]);
    std::vector<std::wstring> tokens;
    for (std::wstring token; stream >> token;)
        tokens.push_back(token);
    ASSERT_EQ(static_cast<int>(tokens.size()), ExpectedKeyCounts[layout]);
    std::map<int, std::pair<int, int>> spans;
    if (layout == 8 || layout == 9)
        spans = {{26, {0, 1}}, {36, {0, -1}}};
    if (layout == 8)
        spans.insert({{31, {1, 0}}, {32, {-1, 0}}});
    for (int slot = 0; slot < SlotsPerLayout; ++slot) {
        SCOPED_TRACE(::testing::Message() << "layout " << layout << " slot " << slot);
        const Expected expected =
            slot < static_cast<int>(tokens.size()) ? ExpectedKey(tokens[slot], layout) : Expected{};
        const std::pair<int, int> span = spans.count(slot) ? spans[slot] : std::make_pair(0, 0);
        const KeyDef& key = LayoutKey(layout, slot);
        EXPECT_EQ(key.GetLabel(), expected.Label);
        EXPECT_EQ(key.GetCode(), expected.Code);
        EXPECT_EQ(key.GetText(), L"");
        EXPECT_EQ(key.GetImage(), expected.Image);
        EXPECT_EQ(key.GetFaceColor(), expected.Color);
        EXPECT_EQ(key.GetFaceBrush(), expected.Brush);
        EXPECT_EQ(key.GetHorizontalSpan(), span.first);
        EXPECT_EQ(key.GetVerticalSpan(), span.second);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, BuiltInLayoutTest, ::testing::Range(0, LayoutCount));

TEST(BuildKeyboardsTest, ReadsTheSeparatorAndMarksThePanelDocked) {
    BuildTestKeyboards();
    EXPECT_EQ(DecimalSeparator, ExpectedDecimalSeparator());
    EXPECT_EQ(GetSettings().SipState, 3); // no test changes it for good
}

TEST(BuildKeyboardsTest, SecondBuildCreatesNothingNew) {
    BuildTestKeyboards();
    const HIMAGELIST list = KeyImageList;
    struct {
        HBRUSH Brush;
        COLORREF Color;
    } const brushes[] = {{NavigationBrush, 0x00B0FFFF}, {DigitBrush, 0x00FFA0A0},
                         {HexBrush, 0x00FF8080},        {GrayBrush, 0x00C0C0C0},
                         {WhiteBrush, 0x00FFFFFF},      {BlackBrush, 0x00000000}};
    const std::wstring label = LayoutKey(0, 1).GetLabel();
    LayoutKey(0, 1).SetLabel(L"changed");

    BuildKeyboards();

    EXPECT_EQ(LayoutKey(0, 1).GetLabel(), L"changed");
    LayoutKey(0, 1).SetLabel(label);
    EXPECT_EQ(static_cast<HIMAGELIST>(KeyImageList), list);
    EXPECT_EQ(ImageList_GetImageCount(KeyImageList), KeyPictureCount);
    const HBRUSH after[] = {NavigationBrush, DigitBrush, HexBrush,
                            GrayBrush,       WhiteBrush, BlackBrush};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(after[i], brushes[i].Brush) << "brush " << i;
        LOGBRUSH info = {};
        ASSERT_EQ(GetObjectW(brushes[i].Brush, sizeof(info), &info), int(sizeof(info)));
        EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(info.lbColor, brushes[i].Color) << "brush " << i;
    }
}

} // namespace
