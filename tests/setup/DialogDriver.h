// Drives the modal dialogs that the test's own thread opens: once a dialog has been shown and the
// queue has run dry (it has painted), the first waiting step for its title runs with the window
// and posts real messages, which the modal loop then delivers.
#pragma once

#include "tests/support/Rects.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    DialogDriver() { Current() = this; }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver() {
        UnhookWindowsHookEx(hook);
        Current() = nullptr;
    }

    void When(const std::wstring& title, Step step) { steps.emplace_back(title, std::move(step)); }
    size_t Waiting() const { return steps.size(); }

private:
    static DialogDriver*& Current() {
        static DialogDriver* current = nullptr;
        return current;
    }

    // A dialog being shown for the first time gets a timer. The platform hands out timer messages
    // only when nothing else, painting included, is left in the queue: then the dialog is ready.
    static LRESULT CALLBACK Shown(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        wchar_t className[16] = {};
        GetClassNameW(sent->hwnd, className, 16);
        if (code == HC_ACTION && sent->message == WM_SHOWWINDOW && sent->wParam &&
            std::wstring(className) == L"#32770" && Current()->met.insert(sent->hwnd).second)
            SetTimer(sent->hwnd, ReadyTimer, 1, Ready);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static void CALLBACK Ready(HWND window, UINT, UINT_PTR, DWORD) {
        KillTimer(window, ReadyTimer);
        if (DialogDriver* driver = Current())
            driver->RunStep(window);
    }

    void RunStep(HWND window) {
        const std::wstring title = WindowText(window);
        for (auto step = steps.begin(); step != steps.end(); ++step) {
            if (step->first == title) {
                Step action = std::move(step->second);
                steps.erase(step);
                action(window);
                return;
            }
        }
    }

    static constexpr UINT_PTR ReadyTimer = 0x7E57;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, Shown, nullptr, GetCurrentThreadId());
    std::vector<std::pair<std::wstring, Step>> steps;
    std::set<HWND> met; // dialogs seen shown
};

// The child control of a dialog with this text; null when there is none.
inline HWND FindControl(HWND dialog, const std::wstring& text) {
    HWND child = GetWindow(dialog, GW_CHILD);
    while (child && WindowText(child) != text)
        child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

inline void Click(HWND dialog, const std::wstring& text) {
    PostMessageW(FindControl(dialog, text), BM_CLICK, 0, 0);
}

inline void PostCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

inline bool IsChecked(HWND dialog, const std::wstring& text) {
    return SendMessageW(FindControl(dialog, text), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A control's rectangle in its dialog's client coordinates, and a dialog-unit rectangle there.
inline RECT ControlRect(HWND control) {
    RECT rect = WindowRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline RECT DialogUnitsToPixels(HWND dialog, RECT rect) {
    MapDialogRect(dialog, &rect);
    return rect;
}

// The title of the program's message boxes (its file name without extension), and their text.
inline std::wstring MessageBoxTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring name = wcsrchr(path, L'\\') + 1;
    return name.substr(0, name.rfind(L'.'));
}

inline std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}
