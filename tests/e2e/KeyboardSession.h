// One session of the keyboard in use: Plinkerpad installed in the test prefix, notepad with the
// focus, the input panel docked below it, and the settings file written by the test.
#pragma once

#include "Desktop.h"

#include <gtest/gtest.h>

struct SessionSettings {
    int keyboardType = 0;
    int colorType = 1;
    int no3D = 1;
    int floatingSizeType = 0;
};

class KeyboardSession : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Writes the settings file, starts notepad and then the panel, and waits for both.
    void StartSession(const SessionSettings& settings);

    // Writes the settings file as the setup program would.
    static void WriteSettings(const SessionSettings& settings);

    // A real click on the centre of a key, laid out by the given grid or by the settings file.
    void Tap(const KeyGrid& grid, int row, int column);
    void Tap(int row, int column);
    // Waits until notepad holds the text; false, with what it holds reported, when it does not.
    testing::AssertionResult NotepadShows(const std::wstring& text);
    bool NotepadHasFocus() const;

    HWND notepad = nullptr;
    HWND edit = nullptr;
    HWND panel = nullptr;
    HWND keyboard = nullptr;
    PROCESS_INFORMATION notepadProcess{};
    PROCESS_INFORMATION panelProcess{};
};
