// A fixture with the input method selected into a 240 x 80 panel at (100, 150) of a 640 x 480
// screen, its information fetched and the recording callback registered.
#pragma once

#include "tests/imserver/ImServerHarness.h"

#include <gtest/gtest.h>

#include <memory>

class SelectedKeyboard : public ::testing::Test {
protected:
    static constexpr int PanelLeft = 100;
    static constexpr int PanelTop = 150;
    static constexpr int PanelWidth = 240;
    static constexpr int PanelHeight = 80;

    void SetUp() override { Start(TestSettings{}); }
    void TearDown() override;

    // Writes the settings, loads the library and selects the input method into a new panel,
    // after stopping what ran before.
    void Start(const TestSettings& settings, bool registerCallback = true);
    void Stop();
    // Rewrites the settings file; the keyboard picks them up at its next paint or tap.
    void ChangeSettings(const TestSettings& settings);

    void Send(UINT message, int x, int y);
    void Tap(int x, int y);
    // The client point in the middle of a key cell, by the keyboard's own arithmetic.
    POINT CellCentre(int column, int row) const;
    void TapCell(int column, int row);
    void TapPageToggle() { TapCell(0, 0); }

    // Repaints the whole keyboard now and reads one of its pixels.
    void Repaint(bool erase = false);
    COLORREF Pixel(int x, int y) const;
    bool HasPendingPaint() const;

    int Margin() const { return settings.No3D == 1 ? 0 : 2; }
    int Columns() const;
    int Rows() const;
    int KeyWidth() const;
    int KeyHeight() const;
    // The face rectangle of a single-cell key, as drawn.
    RECT FaceRect(int column, int row) const;

    TestSettings settings;
    std::unique_ptr<PlinkerpadDll> dll;
    RecordingCallback callback;
    IInputMethod* method = nullptr;
    HWND panel = nullptr;
    HWND keyboard = nullptr;
    IMINFO info = {};
};
