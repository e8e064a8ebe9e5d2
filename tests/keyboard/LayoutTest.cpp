// Key records, the add operations, and the twelve built-in keyboards slot by slot.
#include "keyboard/ColorSchemes.h"
#include "keyboard/KeyLayouts.h"
#include "tests/keyboard/TestKeyboards.h"

#include "foundation/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace {

std::wstring EnvironmentText(const wchar_t* name) {
    wchar_t buffer[64] = {};
    const DWORD length = GetEnvironmentVariableW(name, buffer, 64);
    return length > 0 && length < 64 ? buffer : L"";
}

// The decimal separator this run expects: KEYBOARD_TEST_EXPECTED_SEPARATOR, else ".".
std::wstring ExpectedDecimalSeparator() {
    const std::wstring expected = EnvironmentText(L"KEYBOARD_TEST_EXPECTED_SEPARATOR");
    return expected.empty() ? L"." : expected;
}

// With KEYBOARD_TEST_SEPARATOR_OVERRIDE set, the run makes it the user's decimal separator
// before anything reads it, and puts the old one back at the end.
class SeparatorOverride : public ::testing::Environment {
public:
    void SetUp() override {
        const std::wstring value = EnvironmentText(L"KEYBOARD_TEST_SEPARATOR_OVERRIDE");
        wchar_t old[16] = {};
        if (value.empty())
            return;
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old, 16), 0);
        Original = old;
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value.c_str()));
    }
    void TearDown() override {
        if (!Original.empty())
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, Original.c_str());
    }

private:
    std::wstring Original;
};

::testing::Environment* const Override = ::testing::AddGlobalTestEnvironment(new SeparatorOverride);

// Works on layout 10 and puts the whole table back afterwards.
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

// A character key replaces the slot's text but keeps its span; a text key has no code.
TEST_F(AddKeyTest, AddingKeepsSpansAndSetsCodeOrText) {
    LayoutKey(Layout, 0).SetVerticalSpan(-1);
    LayoutKey(Layout, 0).SetText(L"old");
    EXPECT_TRUE(AddCharKey(Layout, L"1", 49));
    EXPECT_TRUE(AddTextKey(Layout, L"- 2 -", L"www"));
    EXPECT_EQ(NextKeySlot, 2);
    EXPECT_EQ(LayoutKey(Layout, 0).GetCode(), 49);
    EXPECT_EQ(LayoutKey(Layout, 0).GetText(), L"");
    EXPECT_EQ(LayoutKey(Layout, 0).GetVerticalSpan(), -1);
    EXPECT_EQ(LayoutKey(Layout, 1).GetText(), L"www");
    EXPECT_EQ(LayoutKey(Layout, 1).GetCode(), -1);
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

struct Expected {
    std::wstring Label;
    int Code = -1;
    int Image = -1;
    COLORREF Color = 0xFFFFFFFF;
    HBRUSH Brush = nullptr;
};

Expected ExpectedKey(const std::wstring& token, int layout) {
    static const std::map<std::wstring, std::pair<int, int>> named = {
        {L"BS", {8, Backspace}}, {L"TAB", {9, Tab}},   {L"RET", {13, Return}},
        {L"SPC", {32, Space}},   {L"HM", {-36, Home}}, {L"END", {-35, End}},
        {L"LT", {-37, Left}},    {L"UP", {-38, Up}},   {L"RT", {-39, Right}},
        {L"DN", {-40, Down}},    {L"DEL", {-46, -1}},  {L"^X", {-1, -1}},
        {L"^C", {-2, -1}},       {L"^V", {-3, -1}},    {L"^Z", {-4, -1}}};
    const std::wstring separator = ExpectedDecimalSeparator();
    const wchar_t c = token[0];
    if (token == L"T") { // the inverse picture on the first page of layouts 0 to 9
        const bool first = layout % 2 == 0;
        return {L"", 144, (layout < 10 ? first : !first) ? NumLockInv : NumLock};
    }
    if (token == L"DEC")
        return {separator, separator[0]};
    if (token == L"OTH")
        return separator[0] == L'.' ? Expected{L",", 44} : Expected{L".", 46};
    if (token.size() > 1) {
        const auto [code, image] = named.at(token);
        if (code <= -35 && code >= -40) // Home, End and the arrows
            return {token, code, image, 0x00B0FFFF, RecordOf(KeyColor::Navigation).Brush};
        return {token, code, image};
    }
    if (c >= L'0' && c <= L'9')
        return {token, c, -1, 0x00FFA0A0, RecordOf(KeyColor::Digit).Brush};
    if (c >= L'A' && c <= L'F')
        return {token, c, -1, 0x00FF8080, RecordOf(KeyColor::Hex).Brush};
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

TEST(BuildKeyboardsTest, ReadsTheSeparator) {
    BuildTestKeyboards();
    EXPECT_EQ(DecimalSeparator, ExpectedDecimalSeparator());
}

TEST(BuildKeyboardsTest, SecondBuildCreatesNothingNew) {
    BuildTestKeyboards();
    const HIMAGELIST list = KeyImageList;
    const auto current = [] {
        return std::vector<HBRUSH>({RecordOf(KeyColor::Navigation).Brush,
                                    RecordOf(KeyColor::Digit).Brush, RecordOf(KeyColor::Hex).Brush,
                                    GrayBrush, WhiteBrush, BlackBrush});
    };
    const std::vector<HBRUSH> brushes = current();
    const COLORREF colours[] = {0x00B0FFFF, 0x00FFA0A0, 0x00FF8080, 0x00C0C0C0, 0x00FFFFFF, 0};
    const std::wstring label = LayoutKey(0, 1).GetLabel();
    LayoutKey(0, 1).SetLabel(L"changed");
    BuildKeyboards();
    EXPECT_EQ(LayoutKey(0, 1).GetLabel(), L"changed");
    LayoutKey(0, 1).SetLabel(label);
    EXPECT_EQ(static_cast<HIMAGELIST>(KeyImageList), list);
    EXPECT_EQ(ImageList_GetImageCount(KeyImageList), KeyPictureCount);
    EXPECT_EQ(current(), brushes);
    for (int i = 0; i < 6; ++i) {
        LOGBRUSH info = {};
        ASSERT_EQ(GetObjectW(brushes[i], sizeof(info), &info), int(sizeof(info)));
        EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(info.lbColor, colours[i]) << "brush " << i;
    }
}

} // namespace
