#include "platform/inputpanel/KeyEvents.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// An input event as its virtual key, the character it carries (Unicode events) and its flags.
using Event = std::tuple<WORD, WORD, DWORD>;
using Events = std::vector<Event>;

Events EventsOf(const std::vector<INPUT>& inputs) {
    Events events;
    for (const INPUT& input : inputs) {
        EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
        events.emplace_back(input.ki.wVk, input.ki.wVk ? 0 : input.ki.wScan, input.ki.dwFlags);
    }
    return events;
}

constexpr DWORD Unicode = KEYEVENTF_UNICODE, Extended = KEYEVENTF_EXTENDEDKEY, Up = KEYEVENTF_KEYUP;

// Characters travel as Unicode events, Backspace, Tab and Return as their keys; without
// characters the key is a virtual key, navigation keys extended. A release (key-state flags
// 0x10040, a press 0x80) gives the same events going up.
TEST(KeyEvents, CharactersAreUnicodeControlCharactersTheirKeysAndNavigationExtended) {
    const struct {
        UINT vk;
        std::vector<UINT> chars;
        Events down;
    } cases[] = {
        {'B', {'b'}, {{0, 'b', Unicode}}},
        {'1',
         {'1', 8364, '\r', '\t', '\b'},
         {{0, '1', Unicode},
          {0, 8364, Unicode},
          {VK_RETURN, 0, 0},
          {VK_TAB, 0, 0},
          {VK_BACK, 0, 0}}},
        {VK_HOME, {}, {{VK_HOME, 0, Extended}}},
        {VK_LEFT, {}, {{VK_LEFT, 0, Extended}}},
        {VK_DELETE, {}, {{VK_DELETE, 0, Extended}}},
    };
    for (const auto& c : cases) {
        Events up;
        for (const auto& [vk, ch, flags] : c.down)
            up.emplace_back(vk, ch, flags | Up);
        const auto size = static_cast<UINT>(c.chars.size());
        EXPECT_EQ(EventsOf(CharEventInputs(c.vk, 0x80, size, c.chars.data())), c.down) << c.vk;
        EXPECT_EQ(EventsOf(CharEventInputs(c.vk, 0x10040, size, c.chars.data())), up) << c.vk;
    }
    EXPECT_TRUE(CharEventInputs('7', 0x80, 1, nullptr).empty()); // announced but missing
}

TEST(KeyEvents, ShortcutKeysAndStrings) {
    EXPECT_EQ(EventsOf({VirtualKeyInput('C', 4), VirtualKeyInput(0xA2, KeyUpFlag)}),
              (Events{{'C', 0, 0}, {0xA2, 0, Up}}));
    EXPECT_EQ(EventsOf(StringInputs(L"b\x20AC", 2)), (Events{{0, 'b', Unicode},
                                                             {0, 'b', Unicode | Up},
                                                             {0, 8364, Unicode},
                                                             {0, 8364, Unicode | Up}}));
    EXPECT_TRUE(StringInputs(nullptr, 3).empty());
}

} // namespace
