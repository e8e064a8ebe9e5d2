// InputPanel.exe refuses what it cannot host, with an exit code and no window left behind.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD RunPanel(const std::wstring& arguments) {
    std::wstring commandLine = L"\"Z:";
    for (const char* c = PLINKER_PANEL; *c != '\0'; ++c)
        commandLine += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    commandLine += L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                        &startup, &process))
        return static_cast<DWORD>(-1);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(InputPanelProgram, TextThatIsNoClassIdEndsWithExitCode2) {
    EXPECT_EQ(RunPanel(L"Plinkerpad"), 2u);
    EXPECT_EQ(RunPanel(L"{9B1C7E42-5D3A}"), 2u);
}

TEST(InputPanelProgram, ClassThatIsNotRegisteredEndsWithExitCode1) {
    EXPECT_EQ(RunPanel(L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}"), 1u);
    EXPECT_EQ(FindWindowW(L"SipWndClass", nullptr), nullptr);
}

} // namespace
