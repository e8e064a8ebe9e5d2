// Every keyboard type as one record: its name, grid, docked row height, floating key sizes, the
// labels of both pages, its two-cell keys and the pictures of its page toggle. Geometry, the
// keyboard builder, the setup program's keyboard page and the tests all read these records.
//
// To add a keyboard type: write its two pages of labels below (row by row, in the words of
// KeyVocabulary.h), list its two-cell keys, append its record to KeyboardTypes, and give the
// setup program a radio button for it if it has a name. The layout table grows with the list.
#pragma once

#include "keyboard/KeyVocabulary.h"

#include <cstddef>

constexpr int SlotsPerLayout = 40;

// One cell of a key two cells wide or high, on one page (0 primary, 1 alternate).
struct TwoCellMark {
    int Page;
    int Slot;
    bool Vertical;
    int Span; // +1 first cell, -1 second
};

// A list of labels or marks as the records hold it.
template <typename Item> struct ItemList {
    const Item* Items;
    int Count;
};
using PageLabels = ItemList<const wchar_t*>;
using TwoCellMarks = ItemList<TwoCellMark>;

template <typename Item, std::size_t N> constexpr ItemList<Item> ListOf(const Item (&items)[N]) {
    return {items, static_cast<int>(N)};
}

struct KeyboardType {
    const wchar_t* Name; // as the setup program offers it; null: reached only through the file
    int Columns;
    int Rows;
    int DockedRowHeight;      // per row, in the panel size requested while docked
    int FloatingKeySizes[3];  // square keys by FloatingSizeType 0, 1, anything else
    PageLabels Pages[2];      // primary, alternate
    TwoCellMarks TwoCellKeys; // both cells of each, first cell first
    KeyPicture PageToggle[2]; // the toggle's picture on the primary and the alternate page
};

namespace layout_pages {

constexpr const wchar_t* T = PageToggleLabel;
constexpr const wchar_t* Dec = DecimalKeyLabel;
constexpr const wchar_t* Oth = OtherSeparatorKeyLabel;

// clang-format off
constexpr const wchar_t* NumericPrimary[] = {
    T,     L"7", L"8", L"9", L"BS",
    L"TAB",L"4", L"5", L"6", L"RET",
    L"0",  L"1", L"2", L"3", Dec};
constexpr const wchar_t* NumericAlternate[] = {
    T,     L"(", L")",  L"HM", L"BS",
    L"/",  L"*", L"-",  L"UP", L"RET",
    L"=",  L"+", L"LT", L"DN", L"RT"};
constexpr const wchar_t* ExtendedPrimary[] = {
    T,     L"7", L"8", L"9", L"BS",
    L"TAB",L"4", L"5", L"6", L"RET",
    L"/",  L"1", L"2", L"3", L"-",
    L"*",  L"0", Dec,  L"=", L"+"};
constexpr const wchar_t* ExtendedAlternate[] = {
    T,     L"^X", L"^C",  L"^V", L"BS",
    L"(",  L")",  L"DEL", L"HM", L"RET",
    L"$",  L"%",  L"SPC", L"UP", L"^Z",
    L"€",  L":",  L"LT",  L"DN", L"RT"};
constexpr const wchar_t* NumericHexPrimary[] = {
    T,     L"7", L"8", L"9", L"A", L"B", L"BS",
    L"TAB",L"4", L"5", L"6", L"C", L"D", L"RET",
    L"0",  L"1", L"2", L"3", L"E", L"F", Dec};
constexpr const wchar_t* NumericHexAlternate[] = {
    T,     L"%", L":", L"+", L"/",  L"HM", L"BS",
    L"$",  L"b", L"=", L"-", L"*",  L"UP", L"RET",
    L"€",  L"h", L"(", L")", L"LT", L"DN", L"RT"};
constexpr const wchar_t* ExtendedHexPrimary[] = {
    T,     L"C", L"7", L"8", L"9", L"BS",
    L"TAB",L"D", L"4", L"5", L"6", L"RET",
    L"A",  L"E", L"1", L"2", L"3", L"-",
    L"B",  L"F", L"0", Dec,  L"=", L"+"};
constexpr const wchar_t* ExtendedHexAlternate[] = {
    T,     L"'", L"^X", L"^C",  L"^V", L"BS",
    L";",  L"(", L")",  L"DEL", L"HM", L"RET",
    L"$",  L"/", L"%",  L"SPC", L"UP", L"^Z",
    L"€",  L"*", L":",  L"LT",  L"DN", L"RT"};
constexpr const wchar_t* BigNumericPrimary[] = {
    T,     L";",   L":",   L"7", L"8", L"9", L"+",   L"/",  L"=",  L"BS",
    L"TAB",L"€",   L"$",   L"4", L"5", L"6", L"-",   L"*",  L"(",  L")",
    L"<",  L"[",   L"]",   L"1", L"2", L"3", L"RET", L"HM", L"UP", L"END",
    L">",  L"SPC", L"SPC", L"0", Dec,  Oth,  L"RET", L"LT", L"DN", L"RT"};
constexpr const wchar_t* BigNumericAlternate[] = {
    T,     L"A", L"E", L"7", L"8", L"9", L"+",   L"/",  L"=",  L"BS",
    L"TAB",L"B", L"F", L"4", L"5", L"6", L"-",   L"*",  L"(",  L")",
    L"<",  L"C", L"h", L"1", L"2", L"3", L"RET", L"HM", L"UP", L"END",
    L">",  L"D", L"b", L"0", Dec,  Oth,  L"RET", L"LT", L"DN", L"RT"};
constexpr const wchar_t* OneRowPrimary[] = {
    T, L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"0", Dec, L"RET"};
constexpr const wchar_t* OneRowAlternate[] = {
    T, L"TAB", L"+", L"-", L"*", L"/", L"=", L"LT", L"DN", L"UP", L"RT", Oth, L"BS"};
// clang-format on

// "RET" covers rows 3 and 4 of column 7 on both pages; "SPC" columns 2 and 3 of row 4 on the
// primary page.
constexpr TwoCellMark BigNumericTwoCellKeys[] = {
    {0, 26, true, +1}, {0, 36, true, -1},  {1, 26, true, +1},
    {1, 36, true, -1}, {0, 31, false, +1}, {0, 32, false, -1},
};

} // namespace layout_pages

// clang-format off
inline constexpr KeyboardType KeyboardTypes[] = {
    // Name, columns, rows, docked row height, floating key sizes,
    // pages, two-cell keys, toggle pictures on the primary and the alternate page.
    {L"Numeric", 5, 3, 23, {20, 25, 32},
     {ListOf(layout_pages::NumericPrimary), ListOf(layout_pages::NumericAlternate)},
     {nullptr, 0}, {PictureNumLockInverse, PictureNumLock}},
    {L"Extended", 5, 4, 23, {20, 20, 20},
     {ListOf(layout_pages::ExtendedPrimary), ListOf(layout_pages::ExtendedAlternate)},
     {nullptr, 0}, {PictureNumLockInverse, PictureNumLock}},
    {L"Numeric + hex", 7, 3, 23, {20, 20, 20},
     {ListOf(layout_pages::NumericHexPrimary), ListOf(layout_pages::NumericHexAlternate)},
     {nullptr, 0}, {PictureNumLockInverse, PictureNumLock}},
    {L"Extended + hex", 6, 4, 23, {20, 20, 20},
     {ListOf(layout_pages::ExtendedHexPrimary), ListOf(layout_pages::ExtendedHexAlternate)},
     {nullptr, 0}, {PictureNumLockInverse, PictureNumLock}},
    {L"Big numeric", 10, 4, 23, {20, 20, 20},
     {ListOf(layout_pages::BigNumericPrimary), ListOf(layout_pages::BigNumericAlternate)},
     ListOf(layout_pages::BigNumericTwoCellKeys), {PictureNumLockInverse, PictureNumLock}},
    // One flat row, not offered by the setup program, its toggle's pictures the other way round.
    {nullptr, 13, 1, 12, {20, 20, 20},
     {ListOf(layout_pages::OneRowPrimary), ListOf(layout_pages::OneRowAlternate)},
     {nullptr, 0}, {PictureNumLock, PictureNumLockInverse}},
};
// clang-format on

constexpr int KeyboardTypeCount = sizeof(KeyboardTypes) / sizeof(KeyboardTypes[0]);
constexpr int PagesPerType = 2;
// Layout 2 x type + page for the built-in pages of every type.
constexpr int BuiltInLayoutCount = PagesPerType * KeyboardTypeCount;
// The text page follows them: one layout, refilled for the current type from the user's texts.
constexpr int TextLayout = BuiltInLayoutCount;
constexpr int LayoutCount = BuiltInLayoutCount + 1;

constexpr bool PagesFitTheirGrids() {
    for (const KeyboardType& type : KeyboardTypes) {
        for (const PageLabels& page : type.Pages) {
            if (page.Count != type.Columns * type.Rows || page.Count > SlotsPerLayout)
                return false;
        }
        for (int i = 0; i < type.TwoCellKeys.Count; ++i) {
            const TwoCellMark& mark = type.TwoCellKeys.Items[i];
            if (mark.Slot < 0 || mark.Slot >= type.Pages[mark.Page].Count)
                return false;
        }
    }
    return true;
}
static_assert(PagesFitTheirGrids(),
              "each page holds exactly Columns x Rows labels (at most 40), and its two-cell keys");
