#include "imserver/KeyRepeat.h"

#include "imserver/KeyInput.h"
#include "imserver/KeyboardWindow.h"
#include "keyboard/KeyLayouts.h"

#include <algorithm>

namespace {

// The platform documents the delay setting 0 to 3 as about 250 to 1000 ms.
UINT SystemRepeatDelay() {
    int delay = 1;
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    return (std::clamp(delay, 0, 3) + 1) * 250;
}

// The platform documents the speed setting 0 to 31 as about 2.5 to 30 repeats per second, in
// even steps.
UINT SystemRepeatPeriod() {
    DWORD speed = 31;
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    const double perSecond = 2.5 + std::min<DWORD>(speed, 31) * (30.0 - 2.5) / 31;
    return static_cast<UINT>(1000 / perSecond + 0.5);
}

} // namespace

void StartKeyRepeat(HWND window, KeyboardWindowState& state) {
    state.repeatPeriod = static_cast<int>(SystemRepeatPeriod());
    state.repeating = 0;
    SetTimer(window, KeyRepeatTimer, SystemRepeatDelay(), nullptr);
}

// A hold without a repeat costs nothing here, not even the call to end a timer.
void StopKeyRepeat(HWND window, KeyboardWindowState& state) {
    if (state.repeatPeriod == 0)
        return;
    KillTimer(window, KeyRepeatTimer);
    state.repeatPeriod = 0;
    state.repeating = 0;
}

// The first tick ends the delay: from then on the timer runs at the rate. A repeat sends the
// press only; the key is shown pressed already.
LRESULT RepeatHeldKey(HWND window, WPARAM timer) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (timer != KeyRepeatTimer || state == nullptr || state->repeatPeriod == 0)
        return 0; // a tick of an ended repeat, already queued
    if (state->repeating == 0) {
        SetTimer(window, KeyRepeatTimer, static_cast<UINT>(state->repeatPeriod), nullptr);
        state->repeating = 1;
    }
    SendKeyEvent(true, LayoutKey(state->heldLayout, state->heldKey - 1), state->callback);
    return 0;
}
