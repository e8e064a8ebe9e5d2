// Figures of the input method's hot paths, each beside a floor measured in the same rounds:
// the settings reload, a full keyboard paint, a tap through to the callback and a tap through to
// the character in another application; and the pace of a held key's repeats beside the system
// setting's.
#include "bench/SizesBench.h"
#include "bench/TapPathBench.h"
#include "bench/EmptyPaint.h"
#include "bench/Timing.h"
#include "foundation/Settings.h"
#include "tests/support/AccessibleReader.h"
#include "tests/support/ImServerHarness.h"
#include "tools/Desktop.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int KeyboardWidth = 240;
constexpr int KeyboardHeight = 80;
constexpr int Rounds = 21;

// A callback that only counts, so that the tap's own cost is measured.
class CountingCallback : public RecordingCallback {
public:
    STDMETHODIMP SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override {
        ++events;
        return S_OK;
    }
    long events = 0;
};

template <typename Work> double MeanOf(int calls, Work& work) {
    const double start = Now();
    for (int i = 0; i < calls; ++i)
        work();
    return (Now() - start) / calls;
}

struct Figure {
    double Micros;
    double FloorMicros;
    double Ratio; // median of the rounds' ratios: steadier than the ratio of medians
};

// The work and its floor take turns, round by round, so that both see the same machine load.
template <typename Work, typename Floor> Figure Compare(int calls, Work work, Floor floor) {
    work();
    floor();
    std::vector<double> works, floors, ratios;
    for (int round = 0; round < Rounds; ++round) {
        works.push_back(MeanOf(calls, work));
        floors.push_back(MeanOf(calls, floor));
        ratios.push_back(works.back() / floors.back());
    }
    return {Median(works), Median(floors), Median(ratios)};
}

void Report(const char* what, const Figure& figure, const char* floorName) {
    std::printf("%-31s %8.2f us   floor %-29s %7.2f us   ratio %6.2f\n", what, figure.Micros,
                floorName, figure.FloorMicros, figure.Ratio);
}

void ReadWholeFile(const std::wstring& path) {
    char buffer[4096];
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
}

void WriteSettingsBytes(const std::string& bytes) {
    HANDLE file = CreateFileW(SettingsFilePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Twelve texts of 112 to 244 characters, with accented letters, the euro sign and an emoji.
std::string SnipletsSection() {
    std::string section = "[Sniplets]\r\n";
    for (int i = 1; i <= SnipletCount; ++i) {
        std::string text = "Gr\xC3\xBC\xC3\x9F"
                           "e \xE2\x82\xAC \xF0\x9F\x98\x80 ";
        while (text.size() < 112u + 12u * i)
            text += static_cast<char>('a' + text.size() % 26);
        section += "Text" + std::to_string(i) + "=" + text + "\r\n";
    }
    return section;
}

// The reload a paint does once the settings file has changed, with the setup program's file and
// with twelve texts added to it.
void BenchLoadSettings() {
    const std::wstring path = SettingsFilePath();
    const auto load = [] { LoadSettings(); };
    const auto read = [&] { ReadWholeFile(path); };
    WriteSettingsFile(SettingValues{});
    Report("LoadSettings", Compare(1000, load, read), "CreateFile/ReadFile/Close");
    WriteSettingsBytes(SettingsText({}) + SnipletsSection());
    Report("LoadSettings, twelve texts", Compare(1000, load, read), "CreateFile/ReadFile/Close");
}

// Lines made by `line` from 0 on, after `head`, up to just under 1 MiB.
std::string FileJustUnderOneMebibyte(const std::string& head, const char* line) {
    std::string file = head;
    char text[32];
    for (int i = 0;; ++i) {
        const int length = std::snprintf(text, sizeof(text), line, i);
        if (file.size() + length >= (1u << 20))
            return file;
        file += text;
    }
}

// A file of section headers beside one of the same size made of keys in one section: the
// headers file loads in about the same time when loading is linear in the size of the file.
void BenchLoadLargeSettings() {
    const std::string files[] = {FileJustUnderOneMebibyte("", "[S%06d]\r\n"),
                                 FileJustUnderOneMebibyte("[Keyboard]\r\n", "K%06d=1\r\n")};
    const auto load = [] { LoadSettings(); };
    std::vector<double> times[2], ratios;
    for (int round = 0; round < Rounds; ++round) {
        for (int file = 0; file < 2; ++file) {
            WriteSettingsBytes(files[file]);
            times[file].push_back(MeanOf(1, load));
        }
        ratios.push_back(times[0].back() / times[1].back());
    }
    Report("LoadSettings, 1 MiB of headers", {Median(times[0]), Median(times[1]), Median(ratios)},
           "LoadSettings, 1 MiB of keys");
}

LRESULT CALLBACK IdleWndProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

HWND CreateBenchWindow(const wchar_t* className, WNDPROC procedure, HWND parent) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, KeyboardWidth,
                           KeyboardHeight, parent, nullptr, windowClass.hInstance, nullptr);
}

// A memory picture of the keyboard's size, blitted whole into the keyboard window.
class Blit {
public:
    explicit Blit(HWND window)
        : window(window), target(GetDC(window)), memory(CreateCompatibleDC(target)),
          bitmap(CreateCompatibleBitmap(target, KeyboardWidth, KeyboardHeight)),
          previous(SelectObject(memory, bitmap)) {}
    ~Blit() {
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, target);
    }
    void operator()() const {
        BitBlt(target, 0, 0, KeyboardWidth, KeyboardHeight, memory, 0, 0, SRCCOPY);
        GdiFlush();
    }

private:
    HWND window;
    HDC target;
    HDC memory;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

void BenchPaints(HWND panel, HWND keyboard) {
    const auto paint = [&] {
        InvalidateRect(keyboard, nullptr, FALSE);
        UpdateWindow(keyboard);
        GdiFlush();
    };
    for (int type = 0; type <= 5; ++type) {
        WriteSettingsFile({1, 0, type, 0});
        char name[64];
        std::snprintf(name, sizeof(name), "full paint, keyboard type %d", type);
        const Blit blit(keyboard); // a window DC of its own for each figure
        Report(name, Compare(100, paint, blit), "BitBlt 240x80");
    }
    // What the platform alone costs a paint that reloads the settings, as these paints do just
    // after the file is written: the paint cycle and the reload.
    HWND empty = CreateBenchWindow(L"PlinkerpadBenchPaint", EmptyPaintWndProc, panel);
    ShowWindow(empty, SW_SHOWNA);
    const Blit blit(keyboard);
    const auto cycle = [&] {
        InvalidateRect(empty, nullptr, FALSE);
        UpdateWindow(empty);
        LoadSettings();
        blit();
    };
    Report("  keyboard type 0, context", Compare(100, paint, cycle), "empty paint+reload+BitBlt");
    DestroyWindow(empty);
}

// The centre of a key cell of the keyboard as a mouse message carries it.
LPARAM CellCentre(HWND keyboard, int row, int column) {
    POINT centre = KeyCentre(keyboard, row, column);
    ScreenToClient(keyboard, &centre);
    return PointParam(centre.x, centre.y);
}

void BenchTap(HWND keyboard, const CountingCallback& callback) {
    WriteSettingsFile({1, 0, 0, 0});
    const LPARAM seven = CellCentre(keyboard, 0, 1); // "7" of the numeric keyboard
    HWND idle = CreateBenchWindow(L"PlinkerpadBenchIdle", IdleWndProc, nullptr);
    const auto tap = [&] {
        SendMessageW(keyboard, WM_LBUTTONDOWN, MK_LBUTTON, seven);
        SendMessageW(keyboard, WM_LBUTTONUP, 0, seven);
    };
    const auto sends = [&] {
        SendMessageW(idle, WM_LBUTTONDOWN, MK_LBUTTON, seven);
        SendMessageW(idle, WM_LBUTTONUP, 0, seven);
    };
    Report("tap on a digit to the callback", Compare(1000, tap, sends),
           "two SendMessage, idle window");
    ValidateRect(keyboard, nullptr);
    std::printf("  (%ld key events reached the callback)\n", callback.events);
    DestroyWindow(idle);
}

// The times of the presses that reach the callback: a held key's own and its repeats.
class PressTimingCallback : public RecordingCallback {
public:
    STDMETHODIMP SendCharEvents(UINT, UINT flags, UINT, UINT*, UINT*) override {
        if (flags == 0x80)
            Presses.push_back(Now());
        return S_OK;
    }
    std::vector<double> Presses;
};

// Backspace held for two seconds after the shortest delay, at several speeds: the repeats per
// second beside what the platform documents for the setting (2.5 to 30 in even steps), and the
// first repeat's delay beside 250 ms.
void BenchKeyRepeat(IInputMethod* method, HWND keyboard) {
    const LPARAM backspace = CellCentre(keyboard, 0, 4);
    for (const DWORD speed : {31ul, 20ul, 10ul}) {
        const SystemKeyRepeat setting(0, speed);
        PressTimingCallback timing;
        method->RegisterCallback(&timing);
        PumpMessages();
        SendMessageW(keyboard, WM_LBUTTONDOWN, MK_LBUTTON, backspace);
        for (const double end = Now() + 2.25e6; Now() < end; PumpMessages())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        SendMessageW(keyboard, WM_LBUTTONUP, 0, backspace);
        const std::vector<double>& presses = timing.Presses;
        char name[64];
        std::snprintf(name, sizeof(name), "held Backspace, speed %lu", speed);
        if (presses.size() < 3) {
            std::printf("%-31s only %zu presses\n", name, presses.size());
            continue;
        }
        const double asked = 2.5 + speed * (30 - 2.5) / 31;
        const double measured = (presses.size() - 2) * 1e6 / (presses.back() - presses[1]);
        std::printf("%-31s %8.2f /s   asked %-29s %7.2f /s   ratio %6.2f\n", name, measured,
                    "by the setting", asked, measured / asked);
        std::printf("  (first repeat after %.1f ms, asked 250 ms)\n",
                    (presses[1] - presses[0]) / 1e3);
    }
    method->RegisterCallback(nullptr);
    PumpMessages();
}

void BenchKeyboard() {
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    if (method == nullptr) {
        std::printf("Plinkerpad.dll could not be loaded\n");
        return;
    }
    // The keyboard window has a border: its client area is the panel's less two pixels.
    HWND panel = CreatePanelWindow(50, 100, KeyboardWidth + 2, KeyboardHeight + 2);
    method->Select(panel);
    IMINFO info = {};
    method->GetInfo(&info);
    CountingCallback callback;
    method->RegisterCallback(&callback);
    PumpMessages();
    HWND keyboard = FindKeyboardWindow(panel);
    BenchPaints(panel, keyboard);
    BenchTap(keyboard, callback);
    BenchKeyRepeat(method, keyboard);
    method->Deselect();
    method->Release();
    DestroyWindow(panel);
    PumpMessages();
}

// What a screen reader does to learn a window's names: one WM_GETOBJECT, the child count and 40
// names, each call crossing to the window's process. The keyboard's are its own 38 keys, the strip
// and itself; the dialog's are its own, 40 times: the platform's object names no child by number.
void ReadNames(HWND window, bool byChild) {
    const AccessibleReader reader(window);
    reader.Count();
    for (LONG i = 0; i < 40; ++i)
        reader.Name(byChild ? i : CHILDID_SELF);
}

// The big numeric keyboard in InputPanel.exe, installed by the tap path's run, beside the dialog
// of ButtonDialog.exe.
void BenchReadingNames() {
    WriteSettingsFile(SettingValues{{"KeyboardType", 4}});
    StartedProcess panel =
        StartProgram(L"\"" + WinePath(PLINKER_PANEL) + L"\" " + PlinkerpadClassId);
    StartedProcess dialog;
    HWND buttons = nullptr;
    if (panel.Started && WaitFor(KeyboardReady) &&
        (dialog = StartProgram(L"\"" + WinePath(PLINKER_BUTTON_DIALOG) + L"\"")).Started &&
        WaitFor([&] { return (buttons = FindWindowW(L"#32770", L"Forty buttons")) != nullptr; })) {
        HWND keyboard = FindKeyboard();
        Report("names of the keyboard",
               Compare(
                   10, [&] { ReadNames(keyboard, true); }, [&] { ReadNames(buttons, false); }),
               "names of 40 buttons' dialog");
    } else {
        std::printf("reading names: the panel or the dialog did not start\n");
    }
    PostMessageW(FindPanel(), WM_CLOSE, 0, 0);
    PostThreadMessageW(dialog.ThreadId, WM_QUIT, 0, 0);
    for (const StartedProcess* started : {&panel, &dialog}) {
        if (started->Process && WaitForSingleObject(started->Process, 5000) != WAIT_OBJECT_0)
            TerminateProcess(started->Process, 1);
    }
}

} // namespace

// With --key-sizes only what the key sizes give on this prefix's screen (and on a 192 DPI one
// the paint of the largest keyboard): `make bench` runs it again in prefixes of 144 and 192 DPI.
// With --start-up only the start-up, so that a library built before can be set beside it.
int main(int argc, char** argv) {
    const std::string only = argc == 2 ? argv[1] : "";
    if (only == "--key-sizes") {
        BenchKeySizes();
        BenchLargestPaint();
    } else if (only == "--start-up") {
        BenchStartUp();
    }
    if (!only.empty()) {
        RemoveSettingsFile();
        return 0;
    }
    SYSTEM_INFO system;
    GetNativeSystemInfo(&system);
    std::printf("Plinkerpad benchmark: %lu processors; medians of %d rounds\n",
                system.dwNumberOfProcessors, Rounds);
    BenchLoadSettings();
    BenchLoadLargeSettings();
    BenchKeyboard();
    BenchStartUp();
    BenchKeySizes();
    BenchTapPath();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BenchReadingNames();
    CoUninitialize();
    RemoveSettingsFile();
    return 0;
}
