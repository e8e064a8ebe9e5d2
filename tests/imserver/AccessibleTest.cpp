// The keyboard's accessible object over its life: the text page's keys, the events that let a
// reader follow, a thousand queries that leave nothing behind, and the answer after Deselect.
// Other processes read the keys in the end-to-end tests.
#include "tests/imserver/SelectedKeyboard.h"
#include "tests/support/AccessibleReader.h"
#include "tests/support/Rects.h"

using ::testing::ElementsAre;

namespace {

std::vector<std::pair<DWORD, LONG>> events; // event, child

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        events.emplace_back(event, child);
}

using Accessible = SelectedKeyboard;

DWORD HandleCount() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

// The text page has only the keys of the texts set, each named by its text; a press shows and
// a release clears one key, and a page toggle reorders the children.
TEST_F(Accessible, TextKeysAreNamedByTheirTextsAndReadersHearOfPressesAndPages) {
    ASSERT_NO_FATAL_FAILURE(
        Start(TestSettings{1, 0, 0, 0, {"", "Tip 10 %", "", "Gr\xC3\xBC\xC3\x9F"}}));
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_STATECHANGE, nullptr, RecordEvent,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    events.clear();
    TapCell(0, 1);
    TapCell(0, 0);
    TapCell(0, 0);
    PumpMessages();
    UnhookWinEvent(hook);
    EXPECT_THAT(events, ElementsAre(std::pair{EVENT_OBJECT_STATECHANGE, 2L},
                                    std::pair{EVENT_OBJECT_STATECHANGE, 2L},
                                    std::pair{EVENT_OBJECT_REORDER, 0L},
                                    std::pair{EVENT_OBJECT_REORDER, 0L}));
    const AccessibleReader reader(keyboard);
    ASSERT_EQ(reader.Found, S_OK);
    EXPECT_EQ(reader.Count(), 4);
    EXPECT_EQ(reader.Name(2), L"Tip 10 %");
    EXPECT_EQ(reader.Name(3), L"Gr\u00FC\u00DF");
    EXPECT_EQ(reader.At({100 + 240 - 3, 150 + 80 - 3}), CHILDID_SELF) << "an empty cell";
}

// Big numeric's keys as buttons in reading order, where they are drawn: a two-cell key is one
// child ("Enter" in rows 2 and 3, "Space" in row 3), the handle strip comes last; the page
// toggle's action turns the page and types nothing.
TEST_F(Accessible, KeysAreButtonsInReadingOrderWhereTheyAreDrawnAndTheStripComesLast) {
    ASSERT_NO_FATAL_FAILURE(Start({1, 0, 4, 0}));
    const AccessibleReader reader(keyboard);
    ASSERT_EQ(reader.Found, S_OK);
    EXPECT_EQ(reader.Name(CHILDID_SELF), L"Plinkerpad");
    EXPECT_EQ(reader.Role(CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    const struct {
        LONG Child;
        const wchar_t* Name;
        RECT Face; // on the screen: the client's origin is (101, 151)
    } keys[] = {{1, L"Next page", {112, 153, 132, 170}},
                {27, L"Enter", {244, 191, 264, 227}},
                {32, L"Space", {134, 210, 176, 227}},
                {33, L"0", {178, 210, 198, 227}},
                {38, L"Right", {310, 210, 330, 227}}};
    for (const auto& key : keys) {
        EXPECT_EQ(reader.Name(key.Child), key.Name);
        EXPECT_EQ(reader.Role(key.Child), ROLE_SYSTEM_PUSHBUTTON) << key.Name;
        EXPECT_EQ(reader.Location(key.Child), key.Face) << key.Name;
    }
    EXPECT_EQ(reader.Count(), 39);
    EXPECT_EQ(reader.Name(39), L"Handle strip");
    EXPECT_EQ(reader.Role(39), ROLE_SYSTEM_GRIP);
    EXPECT_EQ(reader.Action(1), L"Press");
    EXPECT_EQ(reader.Press(1), S_OK);
    EXPECT_EQ(reader.Name(22), L"C");
    EXPECT_EQ(callback.Calls, std::vector<std::string>{});
}

// The window's reference is the only one left after each query; once the window is gone, the
// object held answers as disconnected.
TEST_F(Accessible, AThousandQueriesLeaveNothingBehindAndDeselectDisconnectsTheObject) {
    const AccessibleReader held(keyboard);
    ASSERT_EQ(held.Found, S_OK);
    const ULONG references = held.Object->AddRef();
    held.Object->Release();
    const DWORD handles = HandleCount();
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(AccessibleReader(keyboard).Name(2), L"7");
    EXPECT_EQ(held.Object->AddRef(), references);
    held.Object->Release();
    EXPECT_EQ(HandleCount(), handles);
    method->Deselect(); // the library stays loaded: the object is still held
    EXPECT_EQ(held.Name(2), L"");
    EXPECT_EQ(held.Result, CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(held.Count(), 0);
    EXPECT_EQ(held.Result, CO_E_OBJNOTCONNECTED);
}

} // namespace
