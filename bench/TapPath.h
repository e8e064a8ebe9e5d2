// What the tap-path bench shares with its two helper programs, the application typed into
// (TapTarget.exe) and the relay (TapRelay.exe).
#pragma once

#include <windows.h>

// The target's record, in shared memory of this name: when the last character reached it.
inline constexpr wchar_t TapRecordName[] = L"PlinkerpadBenchTapRecord";
struct TapRecord {
    volatile LONGLONG CharTicks; // performance counter at the WM_CHAR; 0: none since the reset
};
// Set by the target after each character, and after each key release.
inline constexpr wchar_t TapTypedEventName[] = L"PlinkerpadBenchTapTyped";
inline constexpr wchar_t TapReleasedEventName[] = L"PlinkerpadBenchTapReleased";

inline constexpr wchar_t TapTargetClass[] = L"PlinkerpadBenchTarget";
inline constexpr wchar_t TapRelayClass[] = L"PlinkerpadBenchRelay";

// On a 640 x 480 screen, clear of each other and of the docked panel at the bottom.
inline constexpr RECT TapTargetRect = {0, 0, 320, 200};
inline constexpr RECT TapRelayRect = {400, 40, 640, 120};

// The one key every path types.
inline constexpr WORD TapKey = '7';
