#include "bench/TapPathBench.h"

#include "bench/TapPath.h"
#include "bench/Timing.h"
#include "tests/support/Files.h"
#include "tests/support/Identity.h"
#include "tests/support/Rects.h"
#include "tools/Desktop.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Rounds = 200;
constexpr DWORD SettleMs = 15;
constexpr DWORD HoldMs = 20; // a quick finger
constexpr wchar_t InstalledDll[] = L"C:\\windows\\Plinkerpad.dll";

enum Path { KeyboardTap, RelayTap, StraightKey, PathCount };
constexpr const char* PathNames[PathCount] = {"tap on \"7\", InputPanel + Plinkerpad.dll",
                                              "tap on the bare relay window (floor)",
                                              "key sent straight to the edit control"};

// The three programs of a run, each closed by its window at the end.
class Programs {
public:
    ~Programs() {
        for (const StartedProcess& started : processes) {
            EnumThreadWindows(started.ThreadId, PostClose, 0);
            if (WaitForSingleObject(started.Process, 5000) != WAIT_OBJECT_0)
                TerminateProcess(started.Process, 1);
        }
    }
    bool Start(const std::string& program, const std::wstring& arguments,
               const std::function<bool()>& ready) {
        StartedProcess started = StartProgram(L"\"" + WinePath(program) + L"\" " + arguments);
        if (!started.Started)
            return false;
        processes.push_back(std::move(started));
        return WaitFor(ready);
    }

private:
    static BOOL CALLBACK PostClose(HWND window, LPARAM) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    }
    std::vector<StartedProcess> processes;
};

void Send(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}

INPUT MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

INPUT Key(bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = TapKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

class TapRun {
public:
    TapRun()
        : mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     sizeof(TapRecord), TapRecordName)),
          record(static_cast<TapRecord*>(
              MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TapRecord)))),
          typed(CreateEventW(nullptr, FALSE, FALSE, TapTypedEventName)),
          released(CreateEventW(nullptr, FALSE, FALSE, TapReleasedEventName)) {}
    ~TapRun() {
        UnmapViewOfFile(record);
        CloseHandle(mapping);
        CloseHandle(typed);
        CloseHandle(released);
    }

    // The target first, so that it has the focus, then the panel and the relay, which never
    // take it.
    bool Start() {
        if (record == nullptr || typed == nullptr || released == nullptr ||
            !programs.Start(PLINKER_TAP_TARGET, L"", TargetInFront) ||
            !programs.Start(PLINKER_PANEL, PlinkerpadClassId, KeyboardReady) ||
            !programs.Start(PLINKER_TAP_RELAY, L"", RelayShown))
            return false;
        seven = KeyCentre(FindKeyboard(), 0, 1);
        relay = Centre(TapRelayRect);
        return TargetInFront();
    }

    // Microseconds from the press until the character reached the target; negative when none
    // came. The pointer is brought to the key and the machine left to settle beforehand; the
    // release follows when the finger has rested a while.
    double Tap(Path path) {
        if (path != StraightKey) {
            const POINT at = path == KeyboardTap ? seven : relay;
            SetCursorPos(at.x, at.y);
        }
        Sleep(SettleMs);
        ResetEvent(typed); // a late event of a lost round
        ResetEvent(released);
        record->CharTicks = 0;
        const LONGLONG start = Ticks();
        Send(path == StraightKey ? Key(false) : MouseButton(MOUSEEVENTF_LEFTDOWN));
        const bool arrived = WaitForSingleObject(typed, 2000) == WAIT_OBJECT_0;
        Sleep(HoldMs);
        Send(path == StraightKey ? Key(true) : MouseButton(MOUSEEVENTF_LEFTUP));
        if (WaitForSingleObject(released, 2000) != WAIT_OBJECT_0 || !arrived)
            return -1;
        return MicrosOf(record->CharTicks - start);
    }

private:
    static bool TargetInFront() {
        return GetForegroundWindow() == FindWindowW(TapTargetClass, nullptr);
    }
    static bool RelayShown() { return IsWindowVisible(FindWindowW(TapRelayClass, nullptr)); }

    HANDLE mapping;
    TapRecord* record;
    HANDLE typed;
    HANDLE released;
    Programs programs;
    POINT seven{};
    POINT relay{};
};

// Medians and the quartiles that show how the machine's load spread them.
void Report(const char* name, std::vector<double> values, double floorRatio) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    std::printf("%-42s %7.0f us  (quartiles %4.0f-%4.0f)   ratio to the floor %5.2f\n", name,
                values[n / 2], values[n / 4], values[3 * n / 4], floorRatio);
}

} // namespace

void BenchTapPath() {
    WriteSettingsFile(SettingValues{});
    if (!CopyFileW(WinePath(PLINKER_DLL).c_str(), InstalledDll, FALSE) ||
        RunProgram(std::wstring(L"regsvr32 /s ") + InstalledDll) != 0) {
        std::printf("the tap path: Plinkerpad.dll could not be installed\n");
        return;
    }
    TapRun run;
    if (!run.Start()) {
        std::printf("the tap path: the programs did not start with the target in front\n");
        return;
    }
    std::vector<double> times[PathCount], ratios[PathCount];
    int lost = 0;
    for (int round = -5; round < Rounds; ++round) { // five rounds to warm up
        double roundTimes[PathCount];
        for (int i = 0; i < PathCount; ++i) {
            const int path = (i + round + 5) % PathCount; // each path goes first in turn
            roundTimes[path] = run.Tap(static_cast<Path>(path));
        }
        if (round < 0)
            continue;
        if (roundTimes[0] < 0 || roundTimes[1] < 0 || roundTimes[2] < 0) {
            ++lost;
            continue;
        }
        for (int path = 0; path < PathCount; ++path) {
            times[path].push_back(roundTimes[path]);
            ratios[path].push_back(roundTimes[path] / roundTimes[RelayTap]);
        }
    }
    std::printf("Tap path, %d alternating rounds (%d lost), until WM_CHAR in another process:\n",
                Rounds, lost);
    for (int path = 0; path < PathCount && !times[path].empty(); ++path)
        Report(PathNames[path], times[path], Median(ratios[path]));
}
