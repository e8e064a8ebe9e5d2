// The keyboard's accessible object over its life: the text page's keys, the events that let a
// reader follow, a thousand queries that leave nothing behind, and the answer after Deselect.
// Other processes read the keys in the end-to-end tests.
#include "tests/imserver/SelectedKeyboard.h"
#include "tests/support/AccessibleReader.h"

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
    TapCell(1, 0);
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
