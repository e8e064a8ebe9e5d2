// The system's keyboard repeat settings as the times a held editing key repeats at.
#pragma once

// The delay before the first repeat, in ms, for the delay setting 0 to 3 (about 250 to 1000 ms);
// a setting outside counts as the nearest end.
int RepeatDelayMs(int delaySetting);

// The time between repeats, in ms, for the speed setting 0 to 31 (about 2.5 to 30 repeats a
// second, in even steps); a larger setting counts as 31.
int RepeatPeriodMs(unsigned speedSetting);
