#include "keyboard/RepeatRates.h"

#include <algorithm>

int RepeatDelayMs(int delaySetting) {
    return (std::clamp(delaySetting, 0, 3) + 1) * 250;
}

int RepeatPeriodMs(unsigned speedSetting) {
    const double perSecond = 2.5 + std::min(speedSetting, 31u) * (30.0 - 2.5) / 31;
    return static_cast<int>(1000 / perSecond + 0.5);
}
