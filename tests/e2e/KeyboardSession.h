// One session of the keyboard in use: Plinkerpad installed in the test prefix, notepad with the
// focus, the input panel docked below it, and the settings file written by the test.
#pragma once

#include "tests/support/Files.h"
#include "tools/Desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

// Waits until the window stands at the rectangle; where it stands when it does not.
testing::AssertionResult WindowAt(HWND window, const RECT& expected);
// The menu that the panel shows; null while none is shown.
HWND ShownMenu();

struct Key {
    int row;
    int column;
};

class KeyboardSession : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    // Writes the settings file as the setup program would, with the keyboard of that type, the
    // other values given and the rest at their defaults; starts notepad and then the panel, and
    // waits for both.
    void StartSession(int keyboardType, SettingValues others = {});

    // Ends the panel and starts it again, with the settings file as it is now, docked.
    void RestartPanel();

    // Real clicks on the centres of keys, laid out as the settings file says.
    void Tap(std::initializer_list<Key> keys);
    // Starts the setup program, lets `use` work its main window, and ends the program.
    void UseSetupProgram(const std::function<void(HWND main)>& use);
    // In the setup program: opens the page by its button on the main window, lets `edit` change
    // it and confirms it with the Return key (the page's OK), which saves it.
    void EditPage(HWND main, int button, const wchar_t* title,
                  const std::function<void(HWND page)>& edit);
    // A real click on the page's button of that text.
    void ClickButton(HWND page, const wchar_t* text);
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
    StartedProcess notepadProcess;
    StartedProcess panelProcess;
};
