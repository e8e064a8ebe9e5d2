// Drives the modal dialogs that the test's own thread opens, with real messages: once a dialog
// window has been shown and the queue has run dry (it has painted), the first waiting step for
// its title runs with the window. Steps read the dialog and post messages to it; the modal
// loop then delivers them.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver();

    void When(const std::wstring& title, Step step);
    // Titles of the dialogs that became active, in order.
    const std::vector<std::wstring>& Seen() const { return seen; }
    size_t Waiting() const { return steps.size(); }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam);
    void RunSteps();
    void RunStep(HWND window);

    HHOOK cbtHook;
    HHOOK sendHook;
    HHOOK messageHook;
    UINT_PTR idleTimer = 0;
    std::vector<std::pair<std::wstring, Step>> steps;
    std::vector<std::wstring> seen;
    std::set<HWND> known;     // dialogs seen shown, until destroyed
    std::deque<HWND> waiting; // of those, the ones whose step is still to run
};

// The child control of a dialog with this text; null when there is none.
HWND FindControl(HWND dialog, const std::wstring& text);
// Posts a click to the button with this text, as a tap on it would give.
void Click(HWND dialog, const std::wstring& text);
void PostCommand(HWND dialog, int id);
// Posts a key press to the dialog's focused control (Enter accepts, Escape cancels).
void PressKey(HWND dialog, UINT key);
// The caption's close box.
void PostClose(HWND dialog);
bool IsChecked(HWND dialog, const std::wstring& text);
// A control's rectangle in its dialog's client coordinates, and a dialog-unit rectangle there.
RECT ControlRect(HWND control);
RECT DialogUnitsToPixels(HWND dialog, RECT rect);
// The title of the program's message boxes, and the text of one.
std::wstring MessageBoxTitle();
std::wstring MessageBoxText(HWND box);
