#include "KeyboardSession.h"

#include "XMouse.h"

#include <string>

namespace {

constexpr wchar_t InstalledDll[] = L"C:\\windows\\Plinkerpad.dll";
constexpr wchar_t PlinkerpadClass[] = L"{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";

std::wstring DosPath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c != '\0'; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

// Starts a program with its current folder at the root of C:, where the device's paths lead.
bool Start(std::wstring commandLine, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                          &startup, &process) != FALSE;
}

DWORD RunToEnd(const std::wstring& commandLine) {
    PROCESS_INFORMATION process{};
    if (!Start(commandLine, process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

void End(PROCESS_INFORMATION& process, HWND window) {
    if (process.hProcess == nullptr)
        return;
    if (window != nullptr)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    process = PROCESS_INFORMATION{};
}

// Ends what an earlier, interrupted run left on the screen.
void CloseLeftovers() {
    for (const wchar_t* windowClass : {L"SipWndClass", L"Notepad"}) {
        while (HWND window = FindWindowW(windowClass, nullptr)) {
            if (HWND child = FindWindowExW(window, nullptr, L"Edit", nullptr))
                SendMessageW(child, EM_SETMODIFY, FALSE, 0);
            PostMessageW(window, WM_CLOSE, 0, 0);
            if (!WaitFor([&] { return !IsWindow(window); }, 5000))
                break;
        }
    }
}

// The settings file as it was before the tests wrote theirs; other tests of the prefix read it.
struct SavedSettings {
    bool existed = false;
    std::string bytes;
};
SavedSettings saved;

std::string ReadAll(HANDLE file) {
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &count, nullptr) && count > 0)
        bytes.append(buffer, count);
    return bytes;
}

bool WriteAll(const std::string& bytes) {
    HANDLE file = CreateFileW(SettingsFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size();
}

} // namespace

void KeyboardSession::SetUpTestSuite() {
    CloseLeftovers();
    HANDLE file = CreateFileW(SettingsFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    saved.existed = file != INVALID_HANDLE_VALUE;
    if (saved.existed) {
        saved.bytes = ReadAll(file);
        CloseHandle(file);
    }
    ASSERT_TRUE(CopyFileW(DosPath(PLINKER_DLL).c_str(), InstalledDll, FALSE))
        << "error " << GetLastError();
    ASSERT_EQ(RunToEnd(std::wstring(L"regsvr32 /s ") + InstalledDll), 0u);
}

void KeyboardSession::TearDownTestSuite() {
    if (saved.existed)
        WriteAll(saved.bytes);
    else
        DeleteFileW(SettingsFile);
}

void KeyboardSession::SetUp() {
    if (!XdotoolAvailable())
        GTEST_SKIP() << "xdotool is not available";
}

void KeyboardSession::StartSession(const SessionSettings& settings) {
    ASSERT_NO_FATAL_FAILURE(WriteSettings(settings));
    ASSERT_TRUE(Start(L"notepad.exe", notepadProcess));
    ASSERT_TRUE(WaitFor([&] { return (edit = FindNotepadEdit()) != nullptr; }));
    notepad = FindNotepad();
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == notepad; }));
    ASSERT_TRUE(Start(L"\"" + DosPath(PLINKER_PANEL) + L"\" " + PlinkerpadClass, panelProcess));
    ASSERT_TRUE(WaitFor(KeyboardReady));
    panel = FindPanel();
    keyboard = FindKeyboard();
}

void KeyboardSession::TearDown() {
    if (notepad != nullptr) {
        EXPECT_TRUE(NotepadHasFocus()) << "the focus left notepad";
    }
    End(panelProcess, FindWindowW(L"SipWndClass", nullptr));
    if (edit != nullptr)
        SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    End(notepadProcess, notepad);
}

void KeyboardSession::WriteSettings(const SessionSettings& settings) {
    const std::wstring text =
        L"[Internal]\r\nPosX=50\r\nPosY=50\r\n\r\n[GeneralSettings]\r\nDlgBtnBottom=0\r\n"
        L"ShowDlgBtn=1\r\nColorType=" +
        std::to_wstring(settings.colorType) + L"\r\nNo3D=" + std::to_wstring(settings.no3D) +
        L"\r\n\r\n[Keyboard]\r\nFloatingSizeType=" + std::to_wstring(settings.floatingSizeType) +
        L"\r\nKeyboardType=" + std::to_wstring(settings.keyboardType) + L"\r\n\r\n";
    ASSERT_TRUE(WriteAll(std::string(text.begin(), text.end())));
}

void KeyboardSession::Tap(const KeyGrid& grid, int row, int column) {
    XClick(KeyCentre(keyboard, grid, row, column));
}

void KeyboardSession::Tap(int row, int column) {
    Tap(CurrentGrid(), row, column);
}

testing::AssertionResult KeyboardSession::NotepadShows(const std::wstring& text) {
    if (WaitFor([&] { return ReadNotepadText() == text; }, 5000))
        return testing::AssertionSuccess();
    const std::wstring shown = ReadNotepadText();
    return testing::AssertionFailure() << "notepad holds " << testing::PrintToString(shown);
}

bool KeyboardSession::NotepadHasFocus() const {
    return GetForegroundWindow() == notepad;
}
