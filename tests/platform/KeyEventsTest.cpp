#include "platform/KeyEvents.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT PressFlags = 0x80;
constexpr UINT ReleaseFlags = 0x10040;

void ExpectCharacter(const INPUT& input, wchar_t ch, bool down) {
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wVk, 0);
    EXPECT_EQ(input.ki.wScan, ch);
    EXPECT_EQ(input.ki.dwFlags,
              static_cast<DWORD>(KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP)));
}

void ExpectKey(const INPUT& input, WORD vk, DWORD flags) {
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wVk, vk);
    EXPECT_EQ(input.ki.dwFlags, flags);
}

std::vector<INPUT> CharEvent(UINT vk, UINT flags, UINT ch) {
    return CharEventInputs(vk, flags, 1, &ch);
}

TEST(KeyEvents, CharactersTravelAsUnicodeDownAtPressAndUpAtRelease) {
    const struct {
        UINT vk;
        UINT ch;
    } keys[] = {{'7', '7'}, {',', ','}, {'B', 'b'}, {'H', 'h'}, {8364 - 32, 8364}, {'(', '('}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.ch);
        const std::vector<INPUT> press = CharEvent(key.vk, PressFlags, key.ch);
        ASSERT_EQ(press.size(), 1u);
        ExpectCharacter(press[0], static_cast<wchar_t>(key.ch), true);
        const std::vector<INPUT> release = CharEvent(key.vk, ReleaseFlags, key.ch);
        ASSERT_EQ(release.size(), 1u);
        ExpectCharacter(release[0], static_cast<wchar_t>(key.ch), false);
    }
}

TEST(KeyEvents, BackspaceTabAndReturnTravelAsTheirKeys) {
    for (UINT code : {8u, 9u, 13u}) {
        SCOPED_TRACE(code);
        const std::vector<INPUT> press = CharEvent(code, PressFlags, code);
        ASSERT_EQ(press.size(), 1u);
        ExpectKey(press[0], static_cast<WORD>(code), 0);
        const std::vector<INPUT> release = CharEvent(code, ReleaseFlags, code);
        ASSERT_EQ(release.size(), 1u);
        ExpectKey(release[0], static_cast<WORD>(code), KEYEVENTF_KEYUP);
    }
}

TEST(KeyEvents, NavigationAndDeleteAreExtendedVirtualKeys) {
    for (UINT vk : {35u, 36u, 37u, 38u, 39u, 40u, 46u}) {
        SCOPED_TRACE(vk);
        const std::vector<INPUT> press = CharEventInputs(vk, PressFlags, 0, &vk);
        ASSERT_EQ(press.size(), 1u);
        ExpectKey(press[0], static_cast<WORD>(vk), KEYEVENTF_EXTENDEDKEY);
        const std::vector<INPUT> release = CharEventInputs(vk, ReleaseFlags, 0, &vk);
        ASSERT_EQ(release.size(), 1u);
        ExpectKey(release[0], static_cast<WORD>(vk), KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    }
}

TEST(KeyEvents, ControlShortcutIsFourPlainKeyEvents) {
    ExpectKey(VirtualKeyInput(0xA2, 4), 0xA2, 0);
    ExpectKey(VirtualKeyInput('C', 4), 'C', 0);
    ExpectKey(VirtualKeyInput('C', 6), 'C', KEYEVENTF_KEYUP);
    ExpectKey(VirtualKeyInput(0xA2, 6), 0xA2, KEYEVENTF_KEYUP);
}

TEST(KeyEvents, SeveralCharactersEachBecomeAnEvent) {
    const UINT chars[] = {'1', 8364, '\r'};
    const std::vector<INPUT> inputs = CharEventInputs('1', PressFlags, 3, chars);
    ASSERT_EQ(inputs.size(), 3u);
    ExpectCharacter(inputs[0], L'1', true);
    ExpectCharacter(inputs[1], 8364, true);
    ExpectKey(inputs[2], VK_RETURN, 0);
}

TEST(KeyEvents, AnnouncedCharactersThatAreMissingSendNothing) {
    EXPECT_TRUE(CharEventInputs('7', PressFlags, 1, nullptr).empty());
    EXPECT_TRUE(CharEventInputs(0, PressFlags, 0, nullptr).empty());
}

TEST(KeyEvents, StringIsPressAndReleaseOfEachCharacter) {
    const std::vector<INPUT> inputs = StringInputs(L"b\x20AC", 2);
    ASSERT_EQ(inputs.size(), 4u);
    ExpectCharacter(inputs[0], L'b', true);
    ExpectCharacter(inputs[1], L'b', false);
    ExpectCharacter(inputs[2], 0x20AC, true);
    ExpectCharacter(inputs[3], 0x20AC, false);
    EXPECT_TRUE(StringInputs(nullptr, 3).empty());
}

} // namespace
