#include "platform/inputpanel/KeyEvents.h"

#include <gtest/gtest.h>

namespace {

// The key-state flags of the input method at a press and at a release.
constexpr UINT Press = 0x80;
constexpr UINT Release = 0x10040;

// A Unicode character event carries the character as its scan code and no virtual key.
void ExpectInput(const INPUT& input, WORD vk, UINT ch, DWORD flags) {
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wVk, vk);
    EXPECT_EQ(input.ki.dwFlags, flags);
    if (vk == 0) {
        EXPECT_EQ(input.ki.wScan, ch);
    }
}

constexpr DWORD Unicode = KEYEVENTF_UNICODE;
constexpr DWORD Extended = KEYEVENTF_EXTENDEDKEY;

// SendCharEvents of one key (without characters: a virtual key) gives one input event at its
// press and the same going up at its release.
void ExpectPressAndRelease(UINT vk, UINT chars, UINT ch, WORD inputVk, DWORD flags) {
    SCOPED_TRACE(testing::Message() << "vk " << vk << " char " << ch);
    for (const bool down : {true, false}) {
        const std::vector<INPUT> inputs = CharEventInputs(vk, down ? Press : Release, chars, &ch);
        ASSERT_EQ(inputs.size(), 1u);
        ExpectInput(inputs[0], inputVk, ch, flags | (down ? 0 : KEYEVENTF_KEYUP));
    }
}

TEST(KeyEvents, CharactersAreUnicodeControlCharactersTheirKeysAndNavigationExtended) {
    const UINT characters[][2] = {{'7', '7'}, {',', ','}, {'B', 'b'}, {'H', 'h'}, {8332, 8364}};
    for (const auto& key : characters)
        ExpectPressAndRelease(key[0], 1, key[1], 0, Unicode);
    for (UINT code : {VK_BACK, VK_TAB, VK_RETURN})
        ExpectPressAndRelease(code, 1, code, static_cast<WORD>(code), 0);
    for (UINT vk : {VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE})
        ExpectPressAndRelease(vk, 0, 0, static_cast<WORD>(vk), Extended);
}

TEST(KeyEvents, ControlShortcutIsFourPlainKeyEvents) {
    ExpectInput(VirtualKeyInput(0xA2, 4), 0xA2, 0, 0);
    ExpectInput(VirtualKeyInput('C', 4), 'C', 0, 0);
    ExpectInput(VirtualKeyInput('C', 6), 'C', 0, KEYEVENTF_KEYUP);
    ExpectInput(VirtualKeyInput(0xA2, 6), 0xA2, 0, KEYEVENTF_KEYUP);
}

TEST(KeyEvents, SeveralCharactersOrAStringEachBecomeEvents) {
    const UINT chars[] = {'1', 8364, '\r'};
    const std::vector<INPUT> inputs = CharEventInputs('1', Press, 3, chars);
    ASSERT_EQ(inputs.size(), 3u);
    ExpectInput(inputs[0], 0, '1', Unicode);
    ExpectInput(inputs[1], 0, 8364, Unicode);
    ExpectInput(inputs[2], VK_RETURN, 0, 0);

    const std::vector<INPUT> string = StringInputs(L"b\x20AC", 2);
    ASSERT_EQ(string.size(), 4u);
    ExpectInput(string[0], 0, 'b', Unicode);
    ExpectInput(string[1], 0, 'b', Unicode | KEYEVENTF_KEYUP);
    ExpectInput(string[2], 0, 0x20AC, Unicode);
    ExpectInput(string[3], 0, 0x20AC, Unicode | KEYEVENTF_KEYUP);
}

TEST(KeyEvents, AnnouncedCharactersThatAreMissingSendNothing) {
    EXPECT_TRUE(CharEventInputs('7', Press, 1, nullptr).empty());
    EXPECT_TRUE(CharEventInputs(0, Press, 0, nullptr).empty());
    EXPECT_TRUE(StringInputs(nullptr, 3).empty());
}

} // namespace
