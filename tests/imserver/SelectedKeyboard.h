// A fixture with the input method selected into a 240 x 80 panel at (100, 150) of a 640 x 480
// screen, the recording callback registered and the quickest key repeat, with helpers to touch
// and read the keyboard.
#pragma once

#include "keyboard/KeyboardTypes.h"
#include "tests/support/ImServerHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A cell of the key grid.
struct Cell {
    int Row, Column;
};

// Where the keys of a docked keyboard belong at 96 DPI, worked out afresh from the keyboard-type
// records.
struct GridOracle {
    // A single-cell key's face as drawn with a shadow (flat: a pixel larger); a point inside.
    RECT Face(int row, int column) const {
        const int left = Margin + Strip + column * KeyWidth, top = Margin + row * KeyHeight;
        return {left, top, left + KeyWidth - Margin, top + KeyHeight - Margin};
    }
    POINT Centre(int row, int column) const {
        const RECT face = Face(row, column);
        return {(face.left + face.right + Margin) / 2, (face.top + face.bottom + Margin) / 2};
    }
    static constexpr int StripWidths[3] = {9, 14, 18}; // by key size
    int Strip, Margin, KeyWidth, KeyHeight;
};

class SelectedKeyboard : public ::testing::Test {
protected:
    void SetUp() override { Start(TestSettings{}); }
    void TearDown() override {
        Stop();
        RemoveSettingsFile();
    }

    // Writes the settings, loads the library and selects the input method into a new panel,
    // after stopping what ran before; as the panel does, it paints the keyboard before GetInfo.
    void Start(const TestSettings& wanted, bool registerCallback = true, bool getInfo = true) {
        Stop();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // as in the panel, for screen readers
        callback.Calls.clear();
        ChangeSettings(wanted);
        dll = std::make_unique<PlinkerpadDll>();
        ASSERT_NE(method = dll->CreateInputMethod(), nullptr);
        panel = CreatePanelWindow(100, 150, panelSize.cx, panelSize.cy);
        ASSERT_EQ(method->Select(panel), S_OK);
        ASSERT_NE(keyboard = FindKeyboardWindow(panel), nullptr);
        UpdateWindow(keyboard);
        IMINFO info = {};
        if (getInfo) {
            ASSERT_EQ(method->GetInfo(&info), S_OK);
        }
        if (registerCallback)
            method->RegisterCallback(&callback);
        PumpMessages();
    }
    void Stop() {
        if (method != nullptr) {
            method->Deselect();
            method->Release();
        }
        DestroyWindow(panel);
        PumpMessages();
        method = nullptr;
        panel = keyboard = nullptr;
        dll.reset();
    }
    void ChangeSettings(const TestSettings& wanted) { WriteSettingsFile(settings = wanted); }

    void Send(UINT message, POINT at) {
        SendMessageW(keyboard, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     PointParam(at.x, at.y));
    }
    void Tap(POINT at) {
        Send(WM_LBUTTONDOWN, at);
        Send(WM_LBUTTONUP, at);
    }
    void TapCell(int row, int column) { Tap(Grid().Centre(row, column)); }
    // Dispatches what arrives, one message at a time, until `done` holds or the time is up;
    // returns the keyboard's timer ticks among it.
    int PumpUntil(const std::function<bool()>& done, DWORD limitMs) {
        int ticks = 0;
        MSG message;
        for (const ULONGLONG end = GetTickCount64() + limitMs; !done() && GetTickCount64() < end;) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                continue;
            }
            ticks += message.message == WM_TIMER && message.hwnd == keyboard;
            DispatchMessageW(&message);
        }
        return ticks;
    }
    // Until the callback has seen `count` calls in all; ten seconds are only a safety net.
    bool AwaitCalls(size_t count) {
        PumpUntil([&] { return callback.Calls.size() >= count; }, 10000);
        return callback.Calls.size() >= count;
    }
    // For longer than the repeat delay and three periods.
    int Rest() {
        return PumpUntil([] { return false; }, 400);
    }
    // Presses the handle strip at (4, 30) and lifts at the client point x, y.
    void Drag(int x, int y) {
        Send(WM_LBUTTONDOWN, {4, 30});
        Send(WM_MOUSEMOVE, {(4 + x) / 2, (30 + y) / 2});
        Send(WM_LBUTTONUP, {x, y});
    }
    // The bottom of a 640 x 480 visible desktop after ReceiveSipInfo.
    LONG VisibleBottom() {
        SIPINFO sip = {};
        sip.cbSize = sizeof(sip);
        sip.rcVisibleDesktop = {0, 0, 640, 480};
        method->ReceiveSipInfo(&sip);
        return sip.rcVisibleDesktop.bottom;
    }

    void Repaint(bool erase = false) {
        InvalidateRect(keyboard, nullptr, erase);
        UpdateWindow(keyboard);
    }
    COLORREF Pixel(int x, int y) const {
        HDC dc = GetDC(keyboard);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(keyboard, dc);
        return colour;
    }
    GridOracle Grid() const {
        RECT client = {};
        GetClientRect(keyboard, &client);
        const int margin = settings.No3D == 1 ? 0 : 2;
        const int strip = GridOracle::StripWidths[settings.KeySize];
        const KeyboardType& type = KeyboardTypes[settings.KeyboardType];
        return {strip, margin, (client.right - margin - strip) / type.Columns,
                (client.bottom - margin) / type.Rows};
    }

    SystemKeyRepeat quickestRepeat{0, 31}; // 250 ms, then 30 a second: holds are short
    SIZE panelSize = {240, 80};            // of the panel the next Start makes
    TestSettings settings;
    std::unique_ptr<PlinkerpadDll> dll;
    RecordingCallback callback;
    IInputMethod* method = nullptr;
    HWND panel = nullptr, keyboard = nullptr;
};
