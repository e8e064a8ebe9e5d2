// Touches in any order, and the host taking the keyboard away mid-touch: every press is released
// once, and after a lift neither the capture nor a pressed key is left behind.
#include "tests/imserver/SelectedKeyboard.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <thread>

namespace {

// What may happen to a touch besides the mouse messages; Backspace held until it repeats, a
// pause longer than a repeat takes, a second Select as the host makes it (with GetInfo and the
// callback), and the host registering another callback or none.
enum Interruption : UINT {
    StealCapture = 1,
    Hide,
    Deselect,
    FinalRelease,
    HoldBackspace,
    Pause,
    SelectAgain,
    RegisterOther,
    RegisterNone
};

struct Step {
    UINT Message;
    POINT At = {};
};

class HostileOrder : public SelectedKeyboard {
protected:
    void Do(const Step& step) {
        if (step.Message == StealCapture) {
            SetCapture(panel);
            ReleaseCapture();
        } else if (step.Message == Hide) {
            method->Hiding();
        } else if (step.Message == Deselect) {
            method->Deselect();
            WNDCLASSW windowClass;
            EXPECT_EQ(FindKeyboardWindow(panel), nullptr) << "a keyboard is left";
            EXPECT_FALSE(GetClassInfoW(dll->Module, L"PlinkerpadWndCls", &windowClass));
        } else if (step.Message == SelectAgain) {
            SelectAgainAsTheHost();
        } else if (step.Message == RegisterOther || step.Message == RegisterNone) {
            method->RegisterCallback(step.Message == RegisterOther ? &other : nullptr);
            PumpMessages();
        } else if (step.Message == FinalRelease) {
            method->Release();
            method = nullptr;
        } else if (step.Message == HoldBackspace) {
            Send(WM_LBUTTONDOWN, {210, 12});
            EXPECT_TRUE(AwaitCalls(2));
        } else if (step.Message == Pause) {
            Rest();
        } else {
            Send(step.Message, step.At);
        }
    }
    void SelectAgainAsTheHost() {
        const HWND earlier = keyboard;
        IMINFO info = {};
        EXPECT_EQ(method->Select(panel), S_OK);
        EXPECT_EQ(method->GetInfo(&info), S_OK);
        method->RegisterCallback(&callback);
        PumpMessages();
        keyboard = FindKeyboardWindow(panel);
        EXPECT_FALSE(IsWindow(earlier)) << "the earlier keyboard lives on";
        EXPECT_EQ(FindWindowExW(panel, keyboard, L"PlinkerpadWndCls", nullptr), nullptr);
    }
    // The capture or a key shown pressed left over; empty if none. A pressed face is solid black
    // up to its frame, where a normal face has its colour, clear of its label and picture.
    std::string LeftOver() {
        if (GetCapture() == keyboard)
            return "the keyboard still holds the capture";
        Repaint(true);
        const GridOracle grid = Grid();
        const KeyboardType& type = KeyboardTypes[settings.KeyboardType];
        for (int row = 0; row < type.Rows; ++row) {
            for (int column = 0; column < type.Columns; ++column) {
                const RECT face = grid.Face(row, column);
                if (Pixel(face.left + 2, face.top + 2) == 0x000000)
                    return "a key is still shown pressed";
            }
        }
        return "";
    }

    RecordingCallback other; // gets nothing of a touch that began before it came
};

// Numeric keyboard, flat look, 238 x 78 client: "4" at (60, 30), "5" at (110, 30), "1" at
// (60, 60), Backspace at (210, 12); sliding off a held key takes the capture, and so does the
// press of a key that repeats. A slide ends the repeat, even when it comes back.
TEST_F(HostileOrder, EveryHeldKeyIsReleasedOnceAndNothingOutlivesTheTouch) {
    const POINT five = {110, 30}, one = {60, 60};
    const Step pressFour = {WM_LBUTTONDOWN, {60, 30}}, slide = {WM_MOUSEMOVE, five};
    const std::vector<std::string> typedFour = Typed({{'4', '4', 1}}),
                                   backspace = Typed({{8, 8, 1}}),
                                   repeated = {backspace[0], backspace[0], backspace[1]};
    const struct {
        const char* What;
        std::vector<Step> Steps;
        std::vector<std::string> Calls;
        bool GetInfoFirst = true; // else the host taps before it asks for the information
    } cases[] = {
        {"second press without a lift",
         {pressFour, slide, {WM_LBUTTONDOWN, one}, {WM_LBUTTONUP, one}},
         Typed({{'4', '4', 1}, {'1', '1', 1}})},
        {"capture lost", {pressFour, slide, {StealCapture}}, typedFour},
        {"mode cancelled", {pressFour, slide, {WM_CANCELMODE}}, typedFour},
        {"hidden", {pressFour, slide, {Hide}}, typedFour},
        {"deselected", {pressFour, {Deselect}}, typedFour},
        {"released while selected", {pressFour, {FinalRelease}}, typedFour},
        {"repeating, slid off and back",
         {{HoldBackspace}, slide, {WM_MOUSEMOVE, {210, 12}}, {Pause}, {WM_LBUTTONUP, five}},
         repeated},
        {"repeating, capture lost", {{HoldBackspace}, {StealCapture}}, repeated},
        {"repeating, hidden", {{HoldBackspace}, {Hide}}, repeated},
        {"repeating, deselected", {{HoldBackspace}, {Deselect}}, repeated},
        {"selected again", {pressFour, {SelectAgain}}, typedFour},
        {"selected again, then deselected", {pressFour, {SelectAgain}, {Deselect}}, typedFour},
        {"tapped before GetInfo", {pressFour, {WM_LBUTTONUP, five}}, typedFour, false},
        {"callback replaced", {pressFour, {RegisterOther}, {WM_LBUTTONUP, five}}, typedFour},
        {"callback removed", {pressFour, {RegisterNone}, {WM_LBUTTONUP, five}}, typedFour},
        {"repeating, callback replaced", {{HoldBackspace}, {RegisterOther}, {Pause}}, repeated},
        {"repeating, callback removed", {{HoldBackspace}, {RegisterNone}, {Pause}}, repeated},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Start({1, 1, 0, 0}, true, c.GetInfoFirst);
        other.Calls.clear();
        for (const Step& step : c.Steps)
            Do(step);
        EXPECT_EQ(callback.Calls, c.Calls);
        EXPECT_EQ(other.Calls, std::vector<std::string>{});
        if (!IsWindow(keyboard))
            continue;
        EXPECT_EQ(Rest(), 0) << "a timer outlives the touch";
        Send(WM_LBUTTONUP, five);
        EXPECT_EQ(LeftOver(), "");
        method->RegisterCallback(&callback);
        PumpMessages();
        TapCell(1, 2); // plain taps type again
        EXPECT_EQ(callback.Calls.size(), c.Calls.size() + 2);
    }
}

// Sends the message from a thread of its own, as another process would, dispatching what comes
// meanwhile: the window's thread handles the message while it waits.
void SendFromAnotherThread(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::atomic<bool> sent = false;
    std::thread sender([&] {
        SendMessageW(window, message, wParam, lParam);
        sent = true;
    });
    while (!sent) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    sender.join();
}

// Messages that no host sends, from this thread or another: the keyboard lives on and keeps
// its state, types through the callback the host registered, paints, gives GetInfo and holds no
// capture after the lift. "4" is held during each; a forged pointer would crash at the tap.
TEST_F(HostileOrder, ForgedMessagesChangeNothing) {
    const POINT four = {60, 30};
    const LPARAM forged = 0xDEAD0; // points nowhere
    const struct {
        const char* What;
        UINT Message;
        WPARAM WParam;
        LPARAM LParam;
        bool FromAnotherThread;
        bool HoldBackspace = false; // instead of "4"
    } cases[] = {
        {"a callback pointer", WM_USER + 100, 0, forged, true},
        {"no callback", WM_USER + 100, 0, 0, false},
        {"an IMINFO pointer", WM_USER + 100, 1, forged, true},
        {"a SIPINFO pointer", WM_USER + 100, 2, forged, true},
        {"an unknown kind", WM_USER + 100, 3, forged, false},
        {"destruction", WM_NCDESTROY, 0, 0, true},
        {"creation without a structure", WM_NCCREATE, 0, 0, true},
        {"creation without a structure, this thread", WM_NCCREATE, 0, 0, false},
        {"a capture change by another window", WM_CAPTURECHANGED, 0, 0, false, true},
        {"a repeat tick", WM_TIMER, 1, 0, true},
        {"a pressed-key tick", WM_TIMER, 2, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Format("%s: message 0x%x, wParam %llu, lParam 0x%llx%s", c.What, c.Message,
                            static_cast<unsigned long long>(c.WParam),
                            static_cast<unsigned long long>(c.LParam),
                            c.FromAnotherThread ? ", from another thread" : ""));
        Start({1, 1, 0, 0});
        c.HoldBackspace ? Do({HoldBackspace}) : Send(WM_LBUTTONDOWN, four);
        const LPARAM lParam = c.Message == WM_CAPTURECHANGED ? LPARAM(panel) : c.LParam;
        if (c.FromAnotherThread)
            SendFromAnotherThread(keyboard, c.Message, c.WParam, lParam);
        else
            SendMessageW(keyboard, c.Message, c.WParam, lParam);
        Send(WM_LBUTTONUP, four);
        EXPECT_NE(GetCapture(), keyboard) << "the lift leaves the capture held";
        IMINFO info = {};
        EXPECT_EQ(method->GetInfo(&info), S_OK);
        Repaint();
        TapCell(0, 1);
        // Backspace repeated once before the message.
        std::vector<std::string> expected = c.HoldBackspace ? Typed({{8, 8, 1}, {'7', '7', 1}})
                                                            : Typed({{'4', '4', 1}, {'7', '7', 1}});
        if (c.HoldBackspace)
            expected.insert(expected.begin(), expected[0]);
        EXPECT_EQ(callback.Calls, expected);
        EXPECT_EQ(Pixel(4, 30), 0x808080u) << "the strip is not painted";
    }
}

// The host releases a selected object: its window and class go with it, and a Select of a later
// object succeeds even while an earlier object of the library still has the class registered.
TEST_F(HostileOrder, FinalReleaseCleansUpAndSelectSharesTheClass) {
    IInputMethod* second = dll->CreateInputMethod();
    const HWND otherPanel = CreatePanelWindow(100, 250, 240, 80);
    ASSERT_EQ(second->Select(otherPanel), S_OK);
    const HWND secondKeyboard = FindKeyboardWindow(otherPanel);
    second->Release();
    EXPECT_FALSE(IsWindow(secondKeyboard));
    TapCell(0, 1); // the first object's keyboard lives on
    EXPECT_EQ(callback.Calls, Typed({{'7', '7', 1}}));
    Do({FinalRelease});
    EXPECT_FALSE(IsWindow(keyboard));
    WNDCLASSW windowClass;
    EXPECT_FALSE(GetClassInfoW(dll->Module, L"PlinkerpadWndCls", &windowClass));
    IInputMethod* third = dll->CreateInputMethod();
    EXPECT_EQ(third->Select(otherPanel), S_OK);
    third->Release();
    DestroyWindow(otherPanel);
}

// Random touches, also out of the window and out of order, under random keyboards and looks,
// each sequence ended by a lift. PLINKER_PROPERTY_SEQUENCES asks for a longer run,
// PLINKER_PROPERTY_SEED for other ones; a failure names the seed of its sequence.
std::string RuleBroken(const std::vector<std::string>& calls) {
    std::map<std::array<UINT, 3>, int> held; // vk, count, character: presses unreleased
    for (const std::string& call : calls) {
        if (call.rfind("string", 0) == 0 && call != "string ab")
            return "not the whole text: " + call;
        UINT vk, flags, count, shift, character;
        long left, top, right, bottom;
        if (sscanf(call.c_str(), "chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", &vk, &flags,
                   &count, &shift, &character) == 5) {
            if ((held[{vk, count, character}] += flags == 0x80 ? 1 : -1) < 0)
                return "a release without a press: " + call;
        } else if (sscanf(call.c_str(), "iminfo flags=1 (%ld,%ld,%ld,%ld)", &left, &top, &right,
                          &bottom) == 4 &&
                   (left < 0 || top < 0 || right > GetSystemMetrics(SM_CXSCREEN) ||
                    bottom > GetSystemMetrics(SM_CYSCREEN))) {
            return "floats off the screen: " + call;
        }
    }
    for (const auto& key : held) {
        if (key.second != 0)
            return "a press without a release of vk " + std::to_string(key.first[0]);
    }
    return "";
}

unsigned EnvironmentNumber(const char* name, unsigned otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : otherwise;
}

TEST_F(HostileOrder, RandomTouchSequencesKeepTheRules) {
    const unsigned count = EnvironmentNumber("PLINKER_PROPERTY_SEQUENCES", 300);
    const unsigned firstSeed = EnvironmentNumber("PLINKER_PROPERTY_SEED", 20261207);
    const UINT messages[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
    const char* const names[] = {"down", "move", "up", "dblclk"};
    unsigned broken = 0;
    for (unsigned seed = firstSeed; seed < firstSeed + count; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        // Texts come and go too: the toggle reaches the text page, and may lose it.
        ChangeSettings({1, pick(0, 1), pick(0, 5), pick(0, 2), {"", pick(0, 1) ? "ab" : ""}});
        Repaint();
        callback.Calls.clear();
        std::ostringstream sequence;
        sequence << "No3D " << settings.No3D << ", type " << settings.KeyboardType << ", size "
                 << settings.FloatingSizeType << ", text " << settings.Texts[1] << ":";
        POINT at = {pick(-40, 280), pick(-30, 110)};
        for (int step = pick(1, 8); step >= 0; --step) {
            const int kind = step == 0 ? 2 : pick(0, 3);
            if (pick(0, 1) == 1) // else the same point again: taps, double taps, strip touches
                at = pick(0, 3) == 0 ? POINT{pick(0, 12), pick(0, 77)}
                                     : POINT{pick(-40, 280), pick(-30, 110)};
            Send(messages[kind], at);
            sequence << " " << names[kind] << "(" << at.x << "," << at.y << ")";
        }
        const std::string failure = RuleBroken(callback.Calls) + LeftOver();
        if (!failure.empty() && ++broken <= 3)
            ADD_FAILURE() << failure << "\n  seed " << seed << ", " << sequence.str();
    }
    EXPECT_EQ(broken, 0u) << "sequences broke the rules out of " << count << " from seed "
                          << firstSeed;
}

} // namespace
