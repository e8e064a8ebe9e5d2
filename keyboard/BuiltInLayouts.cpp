#include "keyboard/BuiltInLayouts.h"

const wchar_t DecimalKeyLabel[] = L"<decimal>";
const wchar_t OtherSeparatorKeyLabel[] = L"<other separator>";
const wchar_t PageToggleLabel[] = L"";

const VocabularyEntry KeyVocabulary[] = {
    {L"BS", 8, PictureBackspace, KeyColor::None},
    {L"TAB", 9, PictureTab, KeyColor::None},
    {L"RET", 13, PictureReturn, KeyColor::None},
    {L"SPC", 32, PictureSpace, KeyColor::None},
    {L"HM", -36, PictureHome, KeyColor::Navigation},
    {L"END", -35, PictureEnd, KeyColor::Navigation},
    {L"LT", -37, PictureLeft, KeyColor::Navigation},
    {L"UP", -38, PictureUp, KeyColor::Navigation},
    {L"RT", -39, PictureRight, KeyColor::Navigation},
    {L"DN", -40, PictureDown, KeyColor::Navigation},
    {L"DEL", -46, NoPicture, KeyColor::None},
    {L"^X", -1, NoPicture, KeyColor::None},
    {L"^C", -2, NoPicture, KeyColor::None},
    {L"^V", -3, NoPicture, KeyColor::None},
    {L"^Z", -4, NoPicture, KeyColor::None},
};
const int KeyVocabularySize = sizeof(KeyVocabulary) / sizeof(KeyVocabulary[0]);

namespace {
const wchar_t* const T = PageToggleLabel;
const wchar_t* const Dec = DecimalKeyLabel;
const wchar_t* const Oth = OtherSeparatorKeyLabel;
} // namespace

// clang-format off
const LayoutLabels BuiltInLayouts[LayoutCount] = {
    // 0: "Numeric", primary, 5 x 3
    {{T,     L"7", L"8", L"9", L"BS",
      L"TAB",L"4", L"5", L"6", L"RET",
      L"0",  L"1", L"2", L"3", Dec}},
    // 1: "Numeric", alternate
    {{T,     L"(", L")",  L"HM", L"BS",
      L"/",  L"*", L"-",  L"UP", L"RET",
      L"=",  L"+", L"LT", L"DN", L"RT"}},
    // 2: "Extended", primary, 5 x 4
    {{T,     L"7", L"8", L"9", L"BS",
      L"TAB",L"4", L"5", L"6", L"RET",
      L"/",  L"1", L"2", L"3", L"-",
      L"*",  L"0", Dec,  L"=", L"+"}},
    // 3: "Extended", alternate
    {{T,     L"^X", L"^C",  L"^V", L"BS",
      L"(",  L")",  L"DEL", L"HM", L"RET",
      L"$",  L"%",  L"SPC", L"UP", L"^Z",
      L"€",  L":",  L"LT",  L"DN", L"RT"}},
    // 4: "Numeric + hex", primary, 7 x 3
    {{T,     L"7", L"8", L"9", L"A", L"B", L"BS",
      L"TAB",L"4", L"5", L"6", L"C", L"D", L"RET",
      L"0",  L"1", L"2", L"3", L"E", L"F", Dec}},
    // 5: "Numeric + hex", alternate
    {{T,     L"%", L":", L"+", L"/",  L"HM", L"BS",
      L"$",  L"b", L"=", L"-", L"*",  L"UP", L"RET",
      L"€",  L"h", L"(", L")", L"LT", L"DN", L"RT"}},
    // 6: "Extended + hex", primary, 6 x 4
    {{T,     L"C", L"7", L"8", L"9", L"BS",
      L"TAB",L"D", L"4", L"5", L"6", L"RET",
      L"A",  L"E", L"1", L"2", L"3", L"-",
      L"B",  L"F", L"0", Dec,  L"=", L"+"}},
    // 7: "Extended + hex", alternate
    {{T,     L"'", L"^X", L"^C",  L"^V", L"BS",
      L";",  L"(", L")",  L"DEL", L"HM", L"RET",
      L"$",  L"/", L"%",  L"SPC", L"UP", L"^Z",
      L"€",  L"*", L":",  L"LT",  L"DN", L"RT"}},
    // 8: "Big numeric", primary, 10 x 4
    {{T,     L";",   L":",   L"7", L"8", L"9", L"+",   L"/",  L"=",  L"BS",
      L"TAB",L"€",   L"$",   L"4", L"5", L"6", L"-",   L"*",  L"(",  L")",
      L"<",  L"[",   L"]",   L"1", L"2", L"3", L"RET", L"HM", L"UP", L"END",
      L">",  L"SPC", L"SPC", L"0", Dec,  Oth,  L"RET", L"LT", L"DN", L"RT"}},
    // 9: "Big numeric", alternate
    {{T,     L"A", L"E", L"7", L"8", L"9", L"+",   L"/",  L"=",  L"BS",
      L"TAB",L"B", L"F", L"4", L"5", L"6", L"-",   L"*",  L"(",  L")",
      L"<",  L"C", L"h", L"1", L"2", L"3", L"RET", L"HM", L"UP", L"END",
      L">",  L"D", L"b", L"0", Dec,  Oth,  L"RET", L"LT", L"DN", L"RT"}},
    // 10: one row of 13, primary
    {{T, L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"0", Dec, L"RET"}},
    // 11: one row of 13, alternate
    {{T, L"TAB", L"+", L"-", L"*", L"/", L"=", L"LT", L"DN", L"UP", L"RT", Oth, L"BS"}},
};
// clang-format on

const TwoCellMark TwoCellKeys[] = {
    // "RET" covers rows 3 and 4 of column 7 in both "Big numeric" layouts.
    {8, 26, true, +1},
    {8, 36, true, -1},
    {9, 26, true, +1},
    {9, 36, true, -1},
    // "SPC" covers columns 2 and 3 of row 4 in the primary one.
    {8, 31, false, +1},
    {8, 32, false, -1},
};
const int TwoCellKeyCount = sizeof(TwoCellKeys) / sizeof(TwoCellKeys[0]);
