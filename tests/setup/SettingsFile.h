// The settings file C:\Plinkerpad.ini as the tests write and compare it.
#pragma once

#include <string>

// The eight stored values, at their defaults.
struct FileValues {
    int PosX = 50;
    int PosY = 50;
    int DlgBtnBottom = 0;
    int ShowDlgBtn = 1;
    int ColorType = 1;
    int No3D = 1;
    int FloatingSizeType = 0;
    int KeyboardType = 0;

    // The file text a save of these values writes (text mode: CR LF line ends).
    std::string Text() const;
};

void WriteSettingsFile(const std::string& bytes);
std::string ReadSettingsFile(); // empty when there is no file
void RemoveSettingsFile();
