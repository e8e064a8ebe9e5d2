#include "imserver/KeyRepeat.h"

#include "imserver/KeyboardTimers.h"
#include "keyboard/RepeatRates.h"

void KeyRepeat::Start(HWND window) {
    int delay = 1;
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    DWORD speed = 31;
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    period = static_cast<UINT>(RepeatPeriodMs(speed));
    repeating = false;
    SetTimer(window, KeyRepeatTimer, static_cast<UINT>(RepeatDelayMs(delay)), nullptr);
}

// A hold without a repeat costs nothing here, not even the call to end a timer.
void KeyRepeat::Stop(HWND window) {
    if (period == 0)
        return;
    KillTimer(window, KeyRepeatTimer);
    period = 0;
    repeating = false;
}

// The first tick ends the delay: from then on the timer runs at the rate.
bool KeyRepeat::Tick(HWND window) {
    if (period == 0)
        return false;
    if (!repeating) {
        SetTimer(window, KeyRepeatTimer, period, nullptr);
        repeating = true;
    }
    return true;
}
