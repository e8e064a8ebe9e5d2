// The one record of user settings per process, and the settings file behind it.
#pragma once

#include "foundation/TextFile.h"

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
    int StripWidth; // the handle strip at the left edge; the grid starts KeyMargin right of it
    int Scale;      // key size x screen DPI, in units where 192 is Standard at 96 DPI
};

// The user's own texts of the text page, one per text key; an empty text is no text.
constexpr int SnipletCount = 12;
// Longer texts in the file are cut to this many UTF-16 units when loaded.
constexpr int SnipletMaxLength = 255;

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
    std::wstring Sniplets[SnipletCount]; // "Text1" to "Text12" of section "Sniplets"
    int KeySize;    // 0 Standard, 1 Large (1.5 x), 2 Extra large (2 x); any other: Standard
    int PhoneOrder; // 1: the digit rows in telephone order, 1 2 3 on top
};

// The process's one instance, created on first use and never freed.
Settings& GetSettings();

// True when at least one of the sniplets holds a text.
bool HasSniplets(const Settings& settings);

// Fills the persisted fields and the sniplets from the settings file, each falling back to
// its default, and tells how the file was read. When it was not (missing, unreadable, too large)
// the fields hold their defaults; `SaveSettings` does not write over a file too large to be read.
TextFileRead LoadSettings();

// Writes the persisted fields, not the sniplets; false when the file could not be written (it
// then stays as it was).
bool SaveSettings();

// Writes the sniplets' section alone; the rest of the file stays as it is. Each text is written as
// one line: line breaks become blanks, other control characters are dropped, and it is cut to
// SnipletMaxLength units. An empty text has no line, and a section left without lines is
// removed. False as above.
bool SaveSniplets();

// "\Plinkerpad.ini": the root folder of the device is the root of the Windows system drive.
std::wstring SettingsFilePath();

std::wstring GetVersionText();
