// Taps on the keyboard type into notepad what the keys say.

#include "KeyboardSession.h"

namespace {

class Typing : public KeyboardSession {
protected:
    // Where the caret stands (start and end of the selection).
    std::pair<int, int> Selection() const {
        const LRESULT selection = SendMessageW(edit, EM_GETSEL, 0, 0);
        return {LOWORD(selection), HIWORD(selection)};
    }
    testing::AssertionResult CaretAt(int position) const {
        if (WaitFor([&] { return Selection() == std::make_pair(position, position); }, 5000))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "selection " << Selection().first << ".." << Selection().second;
    }
};

// The column of "," in the bottom row of the big numeric keyboard: the decimal key when the
// locale writes a comma, else the other-separator key next to it.
int CommaColumn() {
    wchar_t separator[5] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 5);
    return separator[0] == L',' ? 4 : 5;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST_F(Typing, DigitsCommaBackspaceAndLeftOfTheBigNumericKeyboard) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{4}));
    Tap(0, 3);
    EXPECT_TRUE(NotepadShows(L"7"));
    Tap(0, 4);
    EXPECT_TRUE(NotepadShows(L"78"));
    Tap(3, CommaColumn());
    EXPECT_TRUE(NotepadShows(L"78,"));
    Tap(1, 4);
    EXPECT_TRUE(NotepadShows(L"78,5"));
    Tap(0, 9); // BS
    EXPECT_TRUE(NotepadShows(L"78,"));
    Tap(3, 7); // LT
    EXPECT_TRUE(CaretAt(2));
    Tap(1, 3);
    EXPECT_TRUE(NotepadShows(L"784,"));
}

TEST_F(Typing, DeleteHomeAndEuroOfTheExtendedAlternatePage) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{1}));
    Tap(0, 1);
    Tap(0, 2);
    Tap(0, 3);
    EXPECT_TRUE(NotepadShows(L"789"));
    Tap(0, 0); // page toggle
    Tap(3, 2); // LT
    EXPECT_TRUE(CaretAt(2));
    Tap(1, 2); // DEL
    EXPECT_TRUE(NotepadShows(L"78"));
    Tap(1, 3); // HM
    EXPECT_TRUE(CaretAt(0));
    Tap(3, 0);
    EXPECT_TRUE(NotepadShows(L"\x20AC"
                             L"78"));
}

TEST_F(Typing, HexLettersTabReturnAndTheLowerCaseOfTheHexAlternatePage) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{2}));
    Tap(0, 4); // A
    Tap(1, 0); // TAB
    Tap(2, 5); // F
    Tap(1, 6); // RET
    EXPECT_TRUE(NotepadShows(L"A\tF\r\n"));
    Tap(0, 0); // page toggle
    Tap(1, 1);
    Tap(2, 1);
    Tap(2, 0);
    Tap(1, 0);
    EXPECT_TRUE(NotepadShows(L"A\tF\r\nbh\x20AC$"));
}

TEST_F(Typing, PageToggleSwitchesBetweenThePages) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{0}));
    Tap(0, 1);
    EXPECT_TRUE(NotepadShows(L"7"));
    Tap(0, 0);
    Tap(0, 1);
    EXPECT_TRUE(NotepadShows(L"7("));
    Tap(0, 0);
    Tap(0, 1);
    EXPECT_TRUE(NotepadShows(L"7(7"));
}

TEST_F(Typing, ShortcutKeysCopyPasteCutAndUndo) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{1}));
    Tap(2, 1);
    Tap(2, 2);
    ASSERT_TRUE(NotepadShows(L"12"));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    Tap(0, 0); // page toggle
    Tap(0, 2); // ^C
    EXPECT_TRUE(WaitFor([] { return ClipboardText() == L"12"; }, 5000));
    Tap(3, 4); // RT
    EXPECT_TRUE(CaretAt(2));
    Tap(0, 3); // ^V
    EXPECT_TRUE(NotepadShows(L"1212"));
    SendMessageW(edit, EM_SETSEL, 0, 3);
    Tap(0, 1); // ^X
    EXPECT_TRUE(NotepadShows(L"2"));
    EXPECT_TRUE(WaitFor([] { return ClipboardText() == L"121"; }, 5000));
    Tap(2, 4); // ^Z
    EXPECT_TRUE(NotepadShows(L"1212"));
}

} // namespace
