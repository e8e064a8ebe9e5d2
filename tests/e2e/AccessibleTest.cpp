// The keyboard read by another process as a screen reader reads it: every key's name, role and
// place, the page toggle's and a key's default action, the key under a point and the pressed
// state of a held key.

#include "KeyboardSession.h"
#include "tests/support/XMouse.h"
#include "tests/support/AccessibleReader.h"
#include "tests/support/Rects.h"

#include <vector>

namespace {

// A page's cells in reading order; "<" and "^" are the second cell of the key left of or above.
using Cells = std::vector<const wchar_t*>;
struct Pages {
    int type;
    Cells first, second;
};

// clang-format off
const Pages Keyboards[] = {
    {0,
     {L"Next page", L"7", L"8", L"9", L"Backspace",
      L"Tab", L"4", L"5", L"6", L"Enter",
      L"0", L"1", L"2", L"3", L"Decimal separator"},
     {L"Next page", L"Left parenthesis", L"Right parenthesis", L"Home", L"Backspace",
      L"Slash", L"Asterisk", L"Minus", L"Up", L"Enter",
      L"Equals", L"Plus", L"Left", L"Down", L"Right"}},
    {4,
     {L"Next page", L"Semicolon", L"Colon", L"7", L"8", L"9", L"Plus", L"Slash", L"Equals", L"Backspace",
      L"Tab", L"Euro sign", L"Dollar sign", L"4", L"5", L"6", L"Minus", L"Asterisk", L"Left parenthesis", L"Right parenthesis",
      L"Less than", L"Left bracket", L"Right bracket", L"1", L"2", L"3", L"Enter", L"Home", L"Up", L"End",
      L"Greater than", L"Space", L"<", L"0", L"Decimal separator", L"Comma", L"^", L"Left", L"Down", L"Right"},
     {L"Next page", L"A", L"E", L"7", L"8", L"9", L"Plus", L"Slash", L"Equals", L"Backspace",
      L"Tab", L"B", L"F", L"4", L"5", L"6", L"Minus", L"Asterisk", L"Left parenthesis", L"Right parenthesis",
      L"Less than", L"C", L"h", L"1", L"2", L"3", L"Enter", L"Home", L"Up", L"End",
      L"Greater than", L"D", L"b", L"0", L"Decimal separator", L"Comma", L"^", L"Left", L"Down", L"Right"}},
};
// clang-format on

void PrintTo(const Pages& pages, std::ostream* out) {
    *out << "type " << pages.type;
}

// The cell is the second of a two-cell key, or with a mark the second of that direction.
bool IsSecondCell(const Cells& cells, size_t i, const wchar_t* mark = nullptr) {
    if (i >= cells.size())
        return false;
    const std::wstring cell = cells[i];
    return mark != nullptr ? cell == mark : cell == L"<" || cell == L"^";
}

class AccessibleKeys : public KeyboardSession, public testing::WithParamInterface<Pages> {
protected:
    // The keys as children in reading order, on the screen where the grid puts their faces, and
    // the handle strip after them.
    void ExpectPage(const AccessibleReader& reader, const Cells& cells) {
        const KeyGrid grid = CurrentGrid();
        const RECT client = ClientOnScreen(keyboard);
        const LONG width = (client.right - client.left - grid.margin - 9) / grid.columns;
        const LONG height = (client.bottom - client.top - grid.margin) / grid.rows;
        LONG child = 0;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (IsSecondCell(cells, i))
                continue;
            const LONG row = static_cast<LONG>(i) / grid.columns;
            const LONG column = static_cast<LONG>(i) % grid.columns;
            RECT face = {client.left + grid.margin + 9 + column * width,
                         client.top + grid.margin + row * height, 0, 0};
            face.right =
                face.left + width * (IsSecondCell(cells, i + 1, L"<") ? 2 : 1) - grid.margin;
            face.bottom = face.top +
                          height * (IsSecondCell(cells, i + grid.columns, L"^") ? 2 : 1) -
                          grid.margin;
            ++child;
            EXPECT_EQ(reader.Name(child), cells[i]) << "child " << child;
            EXPECT_EQ(reader.Role(child), ROLE_SYSTEM_PUSHBUTTON) << cells[i];
            EXPECT_EQ(reader.Location(child), face) << cells[i];
        }
        EXPECT_EQ(reader.Count(), child + 1);
        EXPECT_EQ(reader.Name(child + 1), L"Handle strip");
        EXPECT_EQ(reader.Role(child + 1), ROLE_SYSTEM_GRIP);
    }
};

TEST_P(AccessibleKeys, EveryKeyOfBothPagesIsAButtonNamedAndPlacedAsShown) {
    ASSERT_NO_FATAL_FAILURE(StartSession(GetParam().type));
    const AccessibleReader reader(keyboard);
    ASSERT_EQ(reader.Found, S_OK);
    EXPECT_EQ(reader.Name(CHILDID_SELF), L"Plinkerpad");
    EXPECT_EQ(reader.Role(CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    ExpectPage(reader, GetParam().first);
    EXPECT_EQ(reader.Action(1), L"Press");
    EXPECT_EQ(reader.Press(1), S_OK); // the page toggle
    ExpectPage(reader, GetParam().second);
    EXPECT_TRUE(NotepadShows(L"")) << "the page toggle types nothing";
}

INSTANTIATE_TEST_SUITE_P(NumericAndBigNumeric, AccessibleKeys, testing::ValuesIn(Keyboards));

using AccessibleKey = AccessibleKeys;

TEST_F(AccessibleKey, FoundAtItsCentreItShowsPressedWhileHeldAndItsDefaultActionTypesIt) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    const AccessibleReader reader(keyboard);
    ASSERT_EQ(reader.Found, S_OK);
    const POINT seven = KeyCentre(keyboard, 0, 1);
    EXPECT_EQ(reader.At(seven), 2);
    // On the grid: "8" right of "7", "4" below it, the toggle left of it and the strip left of
    // that.
    EXPECT_EQ(reader.Beside(2, NAVDIR_RIGHT), 3);
    EXPECT_EQ(reader.Beside(2, NAVDIR_DOWN), 7);
    EXPECT_EQ(reader.Beside(1, NAVDIR_LEFT), 16);
    EXPECT_EQ(reader.Beside(15, NAVDIR_NEXT), 16);
    XPress(seven);
    EXPECT_TRUE(WaitFor([&] { return reader.State(2) == STATE_SYSTEM_PRESSED; }));
    EXPECT_EQ(reader.State(3), 0);
    XLift();
    EXPECT_TRUE(WaitFor([&] { return reader.State(2) == 0; }));
    EXPECT_TRUE(NotepadShows(L"7"));
    EXPECT_EQ(reader.Press(2), S_OK);
    EXPECT_TRUE(NotepadShows(L"77"));
}

} // namespace
