// The soft input panel: a window at the bottom of the screen that hosts one input method, drives
// it through IInputMethod and never takes the focus from the application being typed into.
#pragma once

#include "platform/inputpanel/PanelCallback.h"
#include "platform/sip/sip.h"

class InputPanel {
public:
    explicit InputPanel(HINSTANCE instance);
    ~InputPanel();
    InputPanel(const InputPanel&) = delete;
    InputPanel& operator=(const InputPanel&) = delete;

    // Creates the panel window and starts the input method in the platform's order: Select,
    // GetInfo, RegisterCallback, ReceiveSipInfo, Showing. The panel then stands docked and
    // visible. Holds its own reference to the method. On failure everything is undone.
    HRESULT Open(IInputMethod* method);

    // Ends the input method (Hiding, Deselect, Release) and destroys the panel window, which
    // ends the thread's message loop.
    void Close();

    HWND Window() const { return window_; }
    bool Docked() const { return docked_; }

    // SetImInfo: floating at the given screen rectangle, or docked at the bottom of the screen,
    // as high as the given rectangle.
    HRESULT ApplyImInfo(const IMINFO& info);

private:
    struct MessageHandler;
    static const MessageHandler MessageHandlers[];
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool CreatePanelWindow();
    // GetInfo, RegisterCallback, ReceiveSipInfo and Showing for the selected method.
    HRESULT StartSelected();
    void MoveTo(const RECT& rect);
    void ReportSipInfo();
    void ShowOptionsMenu(POINT at);

    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    // Keeps the panel above the windows that other programs show or activate after it.
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    IInputMethod* method_ = nullptr;
    PanelCallback callback_;
    bool started_ = false; // the input method has had its ReceiveSipInfo
    int dockedHeight_ = 0;
    bool docked_ = true;
    RECT reportedRect_{};
    bool reportedDocked_ = false;
    // The foreground window and the first window below the topmost ones, as last seen.
    struct StackTop {
        HWND foreground;
        HWND firstOrdinary;
    };
    StackTop stackTop_{};
    int raisesLeft_ = 0; // looks to come that restack the panel
};
