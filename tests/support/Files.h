// Files of a test's own, and the shared settings file, read and written past the code under test.
#pragma once

#include <map>
#include <string>

// A fresh folder of the test's own, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::wstring Path(const std::wstring& name) const { return folder + L"\\" + name; }

private:
    std::wstring folder;
};

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

// Settings by key name, for those that differ from the defaults.
using SettingValues = std::map<std::string, int>;
// The settings file as a save writes it: every key in its section, CR LF line ends.
std::string SettingsText(const SettingValues& values);
void WriteSettingsFile(const SettingValues& values);
std::string ReadSettingsFile();
