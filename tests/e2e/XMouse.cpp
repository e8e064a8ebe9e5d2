#include "XMouse.h"

#include "Desktop.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Wine reuses process IDs, so the time of day makes the name unique.
std::string StatusFile() {
    static int count = 0;
    return "/tmp/plinker-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64()) + "-" + std::to_string(++count);
}

std::wstring DosPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::string At(POINT point) {
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

void Xdotool(const std::string& arguments) {
    EXPECT_EQ(RunUnix("xdotool " + arguments), 0) << "xdotool " << arguments;
}

} // namespace

int RunUnix(const std::string& command) {
    const std::string status = StatusFile();
    const std::wstring statusPath = DosPath(status);
    std::string line = "/bin/sh -c \"" + command + "; echo $? >" + status + ".tmp && mv " + status +
                       ".tmp " + status + "\"";
    std::wstring wide(line.begin(), line.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    // A loaded machine can take seconds to start a process.
    if (!WaitFor([&] { return GetFileAttributesW(statusPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                 30000))
        return -1;
    int result = -1;
    if (FILE* file = _wfopen(statusPath.c_str(), L"r")) {
        if (std::fscanf(file, "%d", &result) != 1)
            result = -1;
        std::fclose(file);
    }
    DeleteFileW(statusPath.c_str());
    return result;
}

bool XdotoolAvailable() {
    for (const wchar_t* path : {L"Z:\\usr\\bin\\xdotool", L"Z:\\usr\\local\\bin\\xdotool"}) {
        if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
            return true;
    }
    return false;
}

void XClick(POINT at, int button) {
    Xdotool("mousemove " + At(at) + " click " + std::to_string(button));
}

void XDoubleClick(POINT at) {
    Xdotool("mousemove " + At(at) + " click --repeat 2 --delay 100 1");
}

void XDrag(POINT from, POINT to) {
    Xdotool("mousemove " + At(from) + " mousedown 1 sleep 0.1 mousemove " + At(to) +
            " sleep 0.1 mouseup 1");
}
