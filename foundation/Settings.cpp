#include "foundation/Settings.h"

#include "foundation/IniFile.h"

#include <windows.h>

#include <utility>

namespace {

struct PersistedSetting {
    const wchar_t* Section;
    const wchar_t* Key;
    int Settings::*Field;
    int Default;
};

// The persisted fields, in the order in which they are loaded and saved.
const PersistedSetting PersistedSettings[] = {
    {L"Internal", L"PosX", &Settings::PosX, 50},
    {L"Internal", L"PosY", &Settings::PosY, 50},
    {L"GeneralSettings", L"DlgBtnBottom", &Settings::DlgBtnBottom, 0},
    {L"GeneralSettings", L"ShowDlgBtn", &Settings::ShowDlgBtn, 1},
    {L"GeneralSettings", L"ColorType", &Settings::ColorType, 1},
    {L"GeneralSettings", L"No3D", &Settings::No3D, 1},
    {L"Keyboard", L"FloatingSizeType", &Settings::FloatingSizeType, 0},
    {L"Keyboard", L"KeyboardType", &Settings::KeyboardType, 0},
    {L"Keyboard", L"KeySize", &Settings::KeySize, 0},
    {L"Keyboard", L"PhoneOrder", &Settings::PhoneOrder, 0},
};

constexpr const wchar_t* SnipletSection = L"Sniplets";

// "Text1" to "Text12".
std::wstring SnipletKey(int index) {
    return L"Text" + std::to_wstring(index + 1);
}

// The text's first UTF-16 units, short of a pair's first half whose second half is cut.
std::wstring SnipletOf(std::wstring text) {
    if (text.size() < SnipletMaxLength)
        return text;
    text.resize(SnipletMaxLength);
    if (IS_HIGH_SURROGATE(text.back()))
        text.pop_back();
    return text;
}

bool IsControlCharacter(wchar_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A text is saved as one line of the file, whatever its field held (another program can set any
// text into it): each line break (CR LF, CR or LF) becomes a blank, other control characters
// are dropped, and it is cut as a loaded text is.
std::wstring SavedSniplet(const std::wstring& text) {
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue;
        if (text[i] == L'\r' || text[i] == L'\n')
            line += L' ';
        else if (!IsControlCharacter(text[i]))
            line += text[i];
    }
    return SnipletOf(std::move(line));
}

// The section is looked up once for all twelve keys, not once for each.
void LoadSniplets(const IniFile& file, Settings& settings) {
    const StringList* lines = file.Section(SnipletSection);
    for (int i = 0; i < SnipletCount; ++i)
        settings.Sniplets[i] = lines ? SnipletOf(lines->ValueOf(SnipletKey(i))) : std::wstring();
}

} // namespace

Settings& GetSettings() {
    static Settings* instance = new Settings();
    return *instance;
}

// The device has one file system root; on Windows it is the root of the system drive.
std::wstring SettingsFilePath() {
    wchar_t windows[MAX_PATH];
    UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    std::wstring drive = length >= 2 && windows[1] == L':' ? std::wstring(windows, 2) : L"";
    return drive + L"\\Plinkerpad.ini";
}

TextFileRead LoadSettings() {
    IniFile file;
    file.SetPath(SettingsFilePath());
    Settings& settings = GetSettings();
    for (const PersistedSetting& setting : PersistedSettings)
        settings.*setting.Field = file.ReadInt(setting.Section, setting.Key, setting.Default);
    LoadSniplets(file, settings);
    return file.ReadResult();
}

bool SaveSettings() {
    IniFile file;
    file.SetPath(SettingsFilePath());
    const Settings& settings = GetSettings();
    for (const PersistedSetting& setting : PersistedSettings)
        file.WriteInt(setting.Section, setting.Key, settings.*setting.Field);
    return file.Flush();
}

bool SaveSniplets() {
    IniFile file;
    file.SetPath(SettingsFilePath());
    const Settings& settings = GetSettings();
    for (int i = 0; i < SnipletCount; ++i)
        file.WriteText(SnipletSection, SnipletKey(i), SavedSniplet(settings.Sniplets[i]));
    // Without texts the file looks as if the page had never been saved.
    if (file.Section(SnipletSection)->Count() == 0)
        file.RemoveSection(SnipletSection);
    return file.Flush();
}

bool HasSniplets(const Settings& settings) {
    for (const std::wstring& text : settings.Sniplets) {
        if (!text.empty())
            return true;
    }
    return false;
}

std::wstring GetVersionText() {
    return L"V 1.12";
}
