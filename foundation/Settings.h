// The one record of user settings per process, and the settings file behind it.
#pragma once

#include <string>

// Computed by the keyboard geometry; never stored in the settings file.
struct KeyboardMetrics {
    int PanelWidth;
    int PanelHeight;
    int Columns;
    int Rows;
    int KeyWidth;
    int KeyHeight;
    int KeyMargin;
};

struct Settings {
    int PosX;
    int PosY;
    int SipState; // input panel state word, not stored
    int DlgBtnBottom;
    int ShowDlgBtn;
    int ColorType;
    int KeyboardType;
    int FloatingSizeType;
    KeyboardMetrics Metrics; // not stored
    int No3D;
};

// The process's one instance, created on first use and never freed.
Settings& GetSettings();

// Fills the eight persisted fields from the settings file, each falling back to its default.
// False when the file is too large to be read: the fields then hold their defaults, and
// `SaveSettings` does not write over the file.
bool LoadSettings();

// Writes the eight persisted fields; false when the file could not be written (it then stays as
// it was).
bool SaveSettings();

// "\Plinkerpad.ini": the root folder of the device is the root of the Windows system drive.
std::wstring SettingsFilePath();

std::wstring GetVersionText();
