// The input panel host: the input method it chooses, the panel with an input method that records
// what the panel asks of it, and the input events it makes of the method's key events.
#include "platform/inputpanel/ImRegistry.h"
#include "platform/inputpanel/InputPanel.h"
#include "platform/inputpanel/KeyEvents.h"
#include "tests/support/FakeInputMethod.h"
#include "tests/support/Identity.h"
#include "tests/support/Rects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using testing::ElementsAre;

// Floating places are kept on the screen; docking takes the bottom of the screen, as high as
// asked (an empty rectangle keeps the height, one taller than the screen gets the default). The
// menu answers keys too: the posted keys are waiting for it when it opens (Quit is tried end to
// end).
TEST(InputPanel, OpenSetImInfoMenuAndCloseDriveTheMethodInThePlatformOrder) {
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    FakeInputMethod method;
    InputPanel panel{GetModuleHandleW(nullptr)};
    // The place of the panel, and what the method was last told of it.
    const auto expectPanelAt = [&](const RECT& place, bool docked) {
        EXPECT_EQ(WindowRect(panel.Window()), place);
        EXPECT_EQ(panel.Docked(), docked);
        ASSERT_FALSE(method.told.empty());
        const SIPINFO& told = method.told.back();
        EXPECT_EQ(told.cbSize, sizeof(SIPINFO));
        EXPECT_EQ(told.fdwFlags, static_cast<DWORD>(SIPF_ON | (docked ? SIPF_DOCKED : 0)));
        EXPECT_EQ(told.rcSipRect, place);
        EXPECT_EQ(told.rcVisibleDesktop, RECT({0, 0, cx, docked ? place.top : cy}));
    };
    ASSERT_EQ(panel.Open(&method), S_OK);
    EXPECT_THAT(method.calls,
                ElementsAre("Select", "GetInfo", "RegisterCallback", "ReceiveSipInfo", "Showing"));
    EXPECT_EQ(method.references, 2);
    EXPECT_TRUE(IsWindowVisible(panel.Window()));
    expectPanelAt({0, cy - 69, cx, cy}, true);
    const struct {
        DWORD flags;
        RECT given, panel;
    } changes[] = {
        {SIPF_ON, {100, 120, 215, 180}, {100, 120, 215, 180}},
        {SIPF_ON | SIPF_DOCKED, {0, 0, 50, 92}, {0, cy - 92, cx, cy}},
        {SIPF_ON | SIPF_DOCKED, {0, 0, 0, 0}, {0, cy - 92, cx, cy}},
        {SIPF_ON | SIPF_DOCKED, {0, 0, 50, cy + 1}, {0, cy - 80, cx, cy}},
        {SIPF_ON, {cx - 20, cy - 10, cx + 95, cy + 50}, {cx - 115, cy - 60, cx, cy}},
        {SIPF_ON, {-5, -7, 110, 53}, {0, 0, 115, 60}},
        {SIPF_ON, {-5, -7, 110, 53}, {0, 0, 115, 60}}, // nothing new, nothing told
    };
    for (const auto& change : changes) {
        IMINFO info{sizeof(IMINFO), nullptr, nullptr, 0, 0, change.flags, change.given};
        EXPECT_EQ(method.callback->SetImInfo(&info), S_OK);
        expectPanelAt(change.panel, (change.flags & SIPF_DOCKED) != 0);
    }
    EXPECT_EQ(method.told.size(), 6u);

    HWND window = panel.Window();
    method.calls.clear();
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(20, 400));
    panel.Close();
    panel.Close();
    EXPECT_THAT(method.calls, ElementsAre("UserOptionsDlg", "Hiding", "Deselect", "Release"));
    EXPECT_EQ(method.references, 1);
    EXPECT_FALSE(IsWindow(window));
    // The closed panel leaves a quit message for its thread.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ;
}

void SetDefaultIm(const std::wstring& id) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName);
    if (!id.empty())
        RegSetKeyValueW(HKEY_CURRENT_USER, SipKey, DefaultImName, REG_SZ, id.c_str(),
                        static_cast<DWORD>((id.size() + 1) * sizeof(wchar_t)));
}

// With "DefaultIM" set or removed where the device keeps it (and put back after), the panel
// loads the class of its command line, else DefaultIM's when that is a class ID, else
// Plinkerpad. The refused command lines are tried end to end.
TEST(ImRegistry, CommandLineClassIdWinsThenDefaultImThenPlinkerpad) {
    const std::wstring saved = ReadDefaultIm();
    constexpr wchar_t Other[] = L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}";
    const struct {
        const wchar_t* defaultIm; // empty: no value
        const wchar_t* commandLine;
        const wchar_t* chosen;
    } cases[] = {
        {Other, L"", Other},
        {Other, L"{9b1c7e42-5d3a-4f60-8e21-c47a0b93d615}", PlinkerpadClassId},
        {L"", L"", PlinkerpadClassId},
        {L"{12345678-9ABC}", L"", PlinkerpadClassId},
    };
    for (const auto& c : cases) {
        SetDefaultIm(c.defaultIm);
        CLSID clsid{};
        EXPECT_TRUE(ChooseInputMethod(c.commandLine, &clsid));
        wchar_t text[40] = L"";
        StringFromGUID2(clsid, text, 40);
        EXPECT_STREQ(text, c.chosen)
            << "DefaultIM " << c.defaultIm << ", command line " << c.commandLine;
    }
    SetDefaultIm(saved);
}

// An input event as its virtual key, its scan code (key events) or the character it carries
// (Unicode events), and its flags.
using Event = std::tuple<WORD, WORD, DWORD>;
using Events = std::vector<Event>;

Events EventsOf(const std::vector<INPUT>& inputs) {
    Events events;
    for (const INPUT& input : inputs) {
        EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
        events.emplace_back(input.ki.wVk, input.ki.wScan, input.ki.dwFlags);
    }
    return events;
}

constexpr DWORD Unicode = KEYEVENTF_UNICODE, Extended = KEYEVENTF_EXTENDEDKEY, Up = KEYEVENTF_KEYUP;
// Keys of the US layout by virtual key and scan code.
const Event Shift{VK_SHIFT, 0x2A, 0}, One{'1', 0x02, 0}, Eight{'8', 0x09, 0}, B{'B', 0x30, 0},
    Period{VK_OEM_PERIOD, 0x34, 0}, Equals{VK_OEM_PLUS, 0x0D, 0}, Return{VK_RETURN, 0x1C, 0};

Event Released(const Event& event) {
    return {std::get<0>(event), std::get<1>(event), std::get<2>(event) | Up};
}

// On the US layout: a character with a key is that key, with Shift pressed and released around
// the press where it needs Shift and the user holds none; a character that the user's Shift or
// Caps Lock would change, or that has no key, is a Unicode event. Return is its key. A release
// (key-state flags 0x10040, a press 0x80) lets the character's key go up, and nothing else.
TEST(KeyEvents, CharactersWithAKeyOfTheLayoutAreThatKeyAndTheOthersUnicode) {
    const HKL us = LoadKeyboardLayoutW(L"00000409", 0);
    ASSERT_EQ(VkKeyScanExW(L'*', us), 0x138) << "the layout of the test's screen is not the US one";
    const KeyContext none{us, false, false}, shift{us, true, false}, capsLock{us, false, true};
    const struct {
        KeyContext context;
        std::vector<UINT> chars;
        Events down, up;
    } cases[] = {
        {none, {'1'}, {One}, {Released(One)}},
        {none, {'*'}, {Shift, Eight, Released(Shift)}, {Released(Eight)}},
        {shift, {'*'}, {Eight}, {Released(Eight)}},
        {none,
         {'.', '+'},
         {Period, Shift, Equals, Released(Shift)},
         {Released(Period), Released(Equals)}},
        {none, {'b', 8364}, {B, {0, 8364, Unicode}}, {Released(B), {0, 8364, Unicode | Up}}},
        {shift, {'1'}, {{0, '1', Unicode}}, {{0, '1', Unicode | Up}}},
        {capsLock, {'b', '1'}, {{0, 'b', Unicode}, One}, {{0, 'b', Unicode | Up}, Released(One)}},
        {shift, {'\r'}, {Return}, {Released(Return)}},
    };
    for (const auto& c : cases) {
        const auto size = static_cast<UINT>(c.chars.size());
        SCOPED_TRACE(testing::Message()
                     << "first character " << c.chars[0] << ", shift " << c.context.shiftHeld
                     << ", caps lock " << c.context.capsLockOn);
        EXPECT_EQ(EventsOf(CharEventInputs('1', 0x80, size, c.chars.data(), c.context)), c.down);
        EXPECT_EQ(EventsOf(CharEventInputs('1', 0x10040, size, c.chars.data(), c.context)), c.up);
    }
}

// Without characters the key is a virtual key, navigation keys extended; a string types each
// character as a tap, and a surrogate pair as one keystroke: both halves down, then both up.
TEST(KeyEvents, VirtualKeysAndStrings) {
    const KeyContext none{LoadKeyboardLayoutW(L"00000409", 0), false, false};
    for (UINT vk : {VK_HOME, VK_LEFT, VK_DELETE}) {
        const WORD scan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        EXPECT_EQ(EventsOf(CharEventInputs(vk, 0x80, 0, &vk, none)),
                  (Events{{static_cast<WORD>(vk), scan, Extended}}));
        EXPECT_EQ(EventsOf(CharEventInputs(vk, 0x10040, 0, &vk, none)),
                  (Events{{static_cast<WORD>(vk), scan, Extended | Up}}));
    }
    EXPECT_EQ(EventsOf(StringInputs(L"*\xD83D\xDE00", 3, none)),
              (Events{Shift,
                      Eight,
                      Released(Shift),
                      Released(Eight),
                      {0, 0xD83D, Unicode},
                      {0, 0xDE00, Unicode},
                      {0, 0xD83D, Unicode | Up},
                      {0, 0xDE00, Unicode | Up}}));
}

} // namespace
