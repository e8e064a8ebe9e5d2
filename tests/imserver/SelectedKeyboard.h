// A fixture with the input method selected into a 240 x 80 panel at (100, 150) of a 640 x 480
// screen and the recording callback registered, with helpers to touch and read the keyboard.
#pragma once

#include "tests/imserver/ImServerHarness.h"

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
        ASSERT_NE(dll->Module, nullptr);
        method = dll->CreateInputMethod();
        ASSERT_NE(method, nullptr);
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

    void Send(UINT message, int x, int y) {
        SendMessageW(keyboard, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, PointParam(x, y));
    }
    void Tap(int x, int y) {
        Send(WM_LBUTTONDOWN, x, y);
        Send(WM_LBUTTONUP, x, y);
    }
    void TapCell(int column, int row) {
        const POINT centre = CellCentre(column, row);
        Tap(centre.x, centre.y);
    }
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

    int Margin() const { return settings.No3D == 1 ? 0 : 2; }
    // The face of a single-cell key as drawn, and the middle of its cell, by the keyboard's own
    // arithmetic.
    RECT FaceRect(int column, int row) const {
        static constexpr int Grids[][2] = {{5, 3}, {5, 4}, {7, 3}, {6, 4}, {10, 4}, {13, 1}};
        RECT client = {};
        GetClientRect(keyboard, &client);
        const int width = (client.right - Margin() - 9) / Grids[settings.KeyboardType][0];
        const int height = (client.bottom - Margin()) / Grids[settings.KeyboardType][1];
        const int left = Margin() + 9 + column * width;
        const int top = Margin() + row * height;
        return {left, top, left + width - Margin(), top + height - Margin()};
    }
    POINT CellCentre(int column, int row) const {
        const RECT face = FaceRect(column, row);
        return {(face.left + face.right + Margin()) / 2, (face.top + face.bottom + Margin()) / 2};
    }

    TestSettings settings;
    std::unique_ptr<PlinkerpadDll> dll;
    RecordingCallback callback;
    IInputMethod* method = nullptr;
    HWND panel = nullptr;
    HWND keyboard = nullptr;
};
