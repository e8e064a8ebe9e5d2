#include "foundation/SettingsReload.h"

#include "foundation/Settings.h"

#include <windows.h>

namespace {

struct FileStamp {
    bool Exists;
    LONGLONG Written; // 100 ns units since 1601, as FILETIME counts
    ULONGLONG Size;
    bool operator==(const FileStamp& other) const {
        return Exists == other.Exists && Written == other.Written && Size == other.Size;
    }
};

LONGLONG Ticks(const FILETIME& time) {
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                 time.dwLowDateTime);
}

FileStamp StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return {false, 0, 0};
    return {true, Ticks(data.ftLastWriteTime),
            (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

LONGLONG CurrentTicks() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return Ticks(now);
}

// File times advance in coarse steps (milliseconds here, two seconds on FAT): a file loaded
// within this time of its last write may be written again without a new time, and is loaded
// again until an unchanged stamp can be trusted.
constexpr LONGLONG TimeStepAllowance = 2 * 10'000'000;

FileStamp loadedStamp = {};
bool stampTrusted = false;

} // namespace

void ReloadChangedSettings() {
    const LONGLONG now = CurrentTicks();
    const FileStamp stamp = StampOf(SettingsFilePath());
    if (stampTrusted && stamp == loadedStamp)
        return;
    const TextFileRead read = LoadSettings();
    loadedStamp = stamp;
    stampTrusted = read != TextFileRead::Unreadable &&
                   (!stamp.Exists || now - stamp.Written >= TimeStepAllowance);
}
