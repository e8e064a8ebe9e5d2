// Taps on the keyboard type into notepad what the keys say. Each keyboard's keys are tried on the
// input method with a recording callback; here the way into notepad, one keyboard at a time.

#include "KeyboardSession.h"
#include "XMouse.h"

namespace {

using Typing = KeyboardSession;

TEST_F(Typing, PageToggleSwitchesBetweenHexLettersTabReturnAndTheLowerCaseOfTheOtherPage) {
    ASSERT_NO_FATAL_FAILURE(StartSession(2));
    Tap({{0, 4}, {1, 0}, {2, 5}, {1, 6}}); // A TAB F RET
    EXPECT_TRUE(NotepadShows(L"A\tF\r\n"));
    Tap({{0, 0}, {1, 1}, {2, 1}, {2, 0}, {1, 0}}); // page toggle, b h euro $
    EXPECT_TRUE(NotepadShows(L"A\tF\r\nbh\x20AC$"));
    Tap({{0, 0}, {0, 4}}); // page toggle, A
    EXPECT_TRUE(NotepadShows(L"A\tF\r\nbh\x20AC$A"));
}

TEST_F(Typing, ShortcutKeysCopyPasteCutAndUndoThenHomeEuroAndDelete) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    ASSERT_NO_FATAL_FAILURE(StartSession(1));
    Tap({{2, 1}, {2, 2}}); // 1 2
    ASSERT_TRUE(NotepadShows(L"12"));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    Tap({{0, 0}, {0, 2}, {3, 4}, {0, 3}}); // page toggle, ^C RT ^V
    EXPECT_TRUE(NotepadShows(L"1212"));
    SendMessageW(edit, EM_SETSEL, 0, 3);
    Tap({{0, 1}}); // ^X
    EXPECT_TRUE(NotepadShows(L"2"));
    Tap({{2, 4}}); // ^Z
    EXPECT_TRUE(NotepadShows(L"1212"));
    Tap({{1, 3}, {0, 3}}); // HM ^V: the cut text
    EXPECT_TRUE(NotepadShows(L"1211212"));
    Tap({{3, 0}, {1, 2}}); // euro DEL
    EXPECT_TRUE(NotepadShows(L"121\x20AC"
                             L"212"));
}

// Notepad's text once it has stopped changing for longer than a few repeat periods.
std::wstring SettledNotepadText() {
    std::wstring text = ReadNotepadText();
    ULONGLONG changed = GetTickCount64();
    WaitFor([&] {
        const std::wstring now = ReadNotepadText();
        if (now != text) {
            text = now;
            changed = GetTickCount64();
        }
        return GetTickCount64() - changed > 400;
    });
    return text;
}

// Held for 1.5 s, Backspace deletes one character after another, however quick the system's
// repeat (at most 1 + 1.25 s x 30), and stops at the lift; a digit held as long types once.
TEST_F(Typing, HeldBackspaceDeletesSeveralCharactersAndAHeldDigitTypesOnce) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    const std::wstring text = L"123456789012345678901234567890123456789012345678901234567890";
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_TRUE(NotepadShows(text));
    XHold(KeyCentre(keyboard, CurrentGrid(), 0, 4), 1500); // BS
    const std::wstring left = SettledNotepadText();
    EXPECT_EQ(left, text.substr(0, left.size()));
    EXPECT_GT(text.size() - left.size(), 1u) << "one Backspace only";
    EXPECT_GT(left.size(), 20u) << "Backspace went on after the lift";
    XHold(KeyCentre(keyboard, CurrentGrid(), 0, 1), 1500); // 7
    EXPECT_TRUE(NotepadShows(left + L"7"));
    EXPECT_EQ(SettledNotepadText(), left + L"7");
}

} // namespace
