#include "tests/support/XMouse.h"

#include "tools/Desktop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string At(POINT point) {
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

// Wine starts Unix programs but cannot wait for them, so the shell leaves xdotool's exit status
// in a file, named by the time of day too, as Wine reuses process IDs.
void Xdotool(const std::string& arguments) {
    static int count = 0;
    const std::string status = "/tmp/plinker-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(GetTickCount64()) + "-" + std::to_string(++count);
    const std::wstring statusPath = WinePath(status);
    const std::string line = "/bin/sh -c \"xdotool " + arguments + "; echo $? >" + status +
                             ".tmp && mv " + status + ".tmp " + status + "\"";
    ASSERT_TRUE(StartProgram(std::wstring(line.begin(), line.end())).Started);
    // A loaded machine can take seconds to start a process.
    ASSERT_TRUE(WaitFor(
        [&] { return GetFileAttributesW(statusPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000))
        << "xdotool " << arguments << " did not end";
    int result = -1;
    if (FILE* file = _wfopen(statusPath.c_str(), L"r")) {
        std::fscanf(file, "%d", &result);
        std::fclose(file);
    }
    DeleteFileW(statusPath.c_str());
    EXPECT_EQ(result, 0) << "xdotool " << arguments;
}

} // namespace

void XClick(POINT at, int button) {
    Xdotool("mousemove " + At(at) + " click " + std::to_string(button));
}

void XDoubleClick(POINT at) {
    Xdotool("mousemove " + At(at) + " click --repeat 2 --delay 100 1");
}

void XDrag(POINT from, POINT to) {
    Xdotool("mousemove " + At(from) + " mousedown 1 sleep 0.1 mousemove " + At(to) +
            " sleep 0.7 mouseup 1");
}

void XHold(POINT at, int milliseconds) {
    Xdotool("mousemove " + At(at) + " mousedown 1 sleep " + std::to_string(milliseconds / 1000.0) +
            " mouseup 1");
}

void XPress(POINT at) {
    Xdotool("mousemove " + At(at) + " mousedown 1");
}

void XLift() {
    Xdotool("mouseup 1");
}

void XType(const std::string& text) {
    Xdotool("type --delay 50 '" + text + "'");
}

void XKey(const std::string& name) {
    Xdotool("key " + name);
}
