// One session of the keyboard in use: Plinkerpad installed in the test prefix, notepad with the
// focus, the input panel docked below it, and the settings file written by the test.
#pragma once

#include "tools/Desktop.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

struct Key {
    int row;
    int column;
};

class KeyboardSession : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    // Writes the settings file as the setup program would, with the keyboard of that type and
    // the rest at its defaults; starts notepad and then the panel, and waits for both.
    void StartSession(int keyboardType);

    // Real clicks on the centres of keys, laid out as the settings file says.
    void Tap(std::initializer_list<Key> keys);
    // Types the text into the first field of the setup program's Sniplets page, saves the page
    // and closes the setup program.
    void SaveFirstSniplet(const std::string& text);
    // Waits until notepad holds the text; false, with what it holds reported, when it does not.
    testing::AssertionResult NotepadShows(const std::wstring& text);
    // Clicks into notepad's text, away from the keyboard, as a user goes back to it.
    void ActivateNotepad();
    bool NotepadHasFocus() const { return GetForegroundWindow() == notepad; }

    HWND notepad = nullptr;
    HWND edit = nullptr;
    HWND panel = nullptr;
    HWND keyboard = nullptr;
    PROCESS_INFORMATION notepadProcess{};
    PROCESS_INFORMATION panelProcess{};
};
