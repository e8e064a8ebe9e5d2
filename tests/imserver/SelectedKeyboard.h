// A fixture with the input method selected into a 240 x 80 panel at (100, 150) of a 640 x 480
// screen and the recording callback registered, with helpers to touch and read the keyboard.
#pragma once

#include "tests/imserver/ImServerHarness.h"
#include "tests/support/GridOracle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

class SelectedKeyboard : public ::testing::Test {
protected:
    void SetUp() override { Start(TestSettings{}); }
    void TearDown() override {
        Stop();
        RemoveSettingsFile();
    }

    // Writes the settings, loads the library and selects the input method into a new panel,
    // after stopping what ran before.
    void Start(const TestSettings& wanted, bool registerCallback = true) {
        Stop();
        callback.Calls.clear();
        ChangeSettings(wanted);
        dll = std::make_unique<PlinkerpadDll>();
        ASSERT_NE(method = dll->CreateInputMethod(), nullptr);
        panel = CreatePanelWindow(100, 150, 240, 80);
        ASSERT_EQ(method->Select(panel), S_OK);
        ASSERT_NE(keyboard = FindKeyboardWindow(panel), nullptr);
        IMINFO info = {};
        ASSERT_EQ(method->GetInfo(&info), S_OK);
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
    // Rewrites the settings file; the keyboard picks them up at its next paint or tap.
    void ChangeSettings(const TestSettings& wanted) { WriteSettingsFile(settings = wanted); }

    void Send(UINT message, POINT at) {
        SendMessageW(keyboard, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     PointParam(at.x, at.y));
    }
    void Tap(POINT at) {
        Send(WM_LBUTTONDOWN, at);
        Send(WM_LBUTTONUP, at);
    }
    void TapCell(int column, int row) { Tap(Grid().Centre(column, row)); }
    // The bottom of a 640 x 480 visible desktop after ReceiveSipInfo: 480 unless the keyboard
    // is shown and floating.
    LONG VisibleBottom() {
        SIPINFO sip = {};
        sip.cbSize = sizeof(sip);
        sip.rcVisibleDesktop = {0, 0, 640, 480};
        method->ReceiveSipInfo(&sip);
        return sip.rcVisibleDesktop.bottom;
    }

    // Repaints the whole keyboard now; reads one of its pixels.
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
    // Where the keys of the current settings belong in the keyboard window as it is now.
    GridOracle Grid() const {
        RECT client = {};
        GetClientRect(keyboard, &client);
        return GridOracle(settings.KeyboardType, settings.No3D, client.right, client.bottom);
    }

    TestSettings settings;
    std::unique_ptr<PlinkerpadDll> dll;
    RecordingCallback callback;
    IInputMethod* method = nullptr;
    HWND panel = nullptr;
    HWND keyboard = nullptr;
};
