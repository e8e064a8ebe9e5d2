// The keyboard read by another process as a screen reader reads it: the key under a point, its
// name, its neighbours, the pressed state of a held key and its default action. The keys of a
// page in reading order are read in the library's own tests.

#include "KeyboardSession.h"
#include "tests/support/XMouse.h"
#include "tests/support/AccessibleReader.h"

namespace {

using AccessibleKey = KeyboardSession;

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
