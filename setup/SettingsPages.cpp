#include "setup/SettingsPages.h"

#include "foundation/Settings.h"
#include "keyboard/KeyboardTypes.h"
#include "setup/PlaceRect.h"
#include "setup/RunningKeyboards.h"
#include "setup/TDialog.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD Heading = 0x5000000C;    // child, visible, text without word wrap
constexpr DWORD FirstRadio = 0x50030009; // child, visible, group, tab stop, automatic radio
constexpr DWORD Radio = 0x50000009;
constexpr DWORD CheckBox = 0x50030003; // child, visible, group, tab stop, automatic check box
// Child, visible, border, tab stop, scrolling sideways; single-line, so no line break goes in.
constexpr DWORD TextField = 0x50810080;

// The placements: the first control, the next one of a block, the first of a new block.
constexpr int FirstRow = PLACE_FIRST_ROW;
constexpr int NextRow = PLACE_NEXT_ROW | PLACE_FULL_WIDTH;
constexpr int NewBlock = PLACE_NEXT_ROW | PLACE_FULL_WIDTH | PLACE_HALF_GAP;

struct PageControl {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    int placement;
    int Settings::*target; // null: no data exchange
};

const PageControl GeneralPage[] = {
    {L"STATIC", L"___ Layout ______________________________", Heading, FirstRow, nullptr},
    {L"BUTTON", L"Black && white", FirstRadio, NextRow, &Settings::ColorType},
    {L"BUTTON", L"Gray", Radio, NextRow, &Settings::ColorType},
    {L"BUTTON", L"Colored", Radio, NextRow, &Settings::ColorType},
    {L"STATIC", L"___ 3D __________________________________", Heading, NewBlock, nullptr},
    {L"BUTTON", L"No 3D (maximize speed)", CheckBox, NextRow, &Settings::No3D},
    {L"STATIC", L"___ Dialogs ________________________________________", Heading, NewBlock,
     nullptr},
    {L"BUTTON", L"Show Dialog buttons", CheckBox, NextRow, &Settings::ShowDlgBtn},
    {L"BUTTON", L"Dialog buttons at screen bottom", CheckBox, NextRow, &Settings::DlgBtnBottom},
};

const PageControl KeyboardHeading = {L"STATIC",
                                     L"___ Keyboard ________________________________________",
                                     Heading, FirstRow, nullptr};

// Below the keyboard types, whose buttons come from the keyboard-type records.
const PageControl FingerPageRest[] = {
    {L"STATIC", L"___ Moving keyboard ___________________________", Heading, NewBlock, nullptr},
    {L"BUTTON", L"Small", FirstRadio, NextRow, &Settings::FloatingSizeType},
    {L"BUTTON", L"Medium", Radio, NextRow, &Settings::FloatingSizeType},
    {L"BUTTON", L"Large", Radio, NextRow, &Settings::FloatingSizeType},
    {L"STATIC", L"___ Key size ________________________________", Heading, NewBlock, nullptr},
    {L"BUTTON", L"Standard", FirstRadio, NextRow, &Settings::KeySize},
    {L"BUTTON", L"Large", Radio, NextRow, &Settings::KeySize},
    {L"BUTTON", L"Extra large", Radio, NextRow, &Settings::KeySize},
    {L"BUTTON", L"Phone order (1 2 3 on top)", CheckBox, NextRow, &Settings::PhoneOrder},
};

// A radio button per keyboard type the setup program offers, in the order of the records: the
// button's position in its group is the KeyboardType value.
std::vector<PageControl> FingerPage() {
    std::vector<PageControl> controls = {KeyboardHeading};
    for (const KeyboardType& type : KeyboardTypes) {
        if (type.Name != nullptr)
            controls.push_back({L"BUTTON", type.Name, controls.size() == 1 ? FirstRadio : Radio,
                                NextRow, &Settings::KeyboardType});
    }
    controls.insert(controls.end(), std::begin(FingerPageRest), std::end(FingerPageRest));
    return controls;
}

constexpr const wchar_t* SnipletsHeading = L"___ Sniplets _____________________________";

// The file keeps what it held when it cannot be written; the record goes back to it. What was
// saved shows on the running keyboards at once.
void SaveOrTell(bool (*save)()) {
    if (!save()) {
        AfxMessageBox(L"The settings could not be saved. They stay as they were.");
        LoadSettings();
        return;
    }
    RepaintRunningKeyboards();
}

// The page then shows the defaults, which the input method uses too; a save will be refused.
void LoadOrTell() {
    if (LoadSettings() == TextFileRead::TooLarge)
        AfxMessageBox(L"The settings file is too large to be read. The defaults apply, and no "
                      L"settings will be saved over it.");
}

template <typename Controls>
void AddControls(TDialog& dialog, Settings& settings, const Controls& controls) {
    RECT rect = {};
    for (const PageControl& control : controls) {
        PlaceRect(rect, control.placement);
        void* data = control.target ? &(settings.*control.target) : nullptr;
        dialog.AddItem(control.className, control.text, control.style, 0, &rect, data, 0);
    }
}

// A field takes no more than a text of the file holds.
void LimitTextFields(void*, TDialog* dialog) {
    for (HWND child = GetWindow(dialog->m_hWnd, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[8] = {};
        GetClassNameW(child, className, 8);
        if (lstrcmpiW(className, L"Edit") == 0)
            SendMessageW(child, EM_LIMITTEXT, SnipletMaxLength, 0);
    }
}

// One field per text key, each on its own row behind its number.
void AddSnipletFields(TDialog& dialog, Settings& settings) {
    RECT rect = {};
    PlaceRect(rect, FirstRow);
    dialog.AddItem(L"STATIC", SnipletsHeading, Heading, 0, &rect, nullptr, 0);
    for (int i = 0; i < SnipletCount; ++i) {
        PlaceRect(rect, NextRow | PLACE_INDENT);
        RECT number = rect;
        PlaceRect(number, PLACE_FULL_WIDTH);
        number.right = rect.left;
        dialog.AddItem(L"STATIC", std::to_wstring(i + 1), Heading, 0, &number, nullptr, 0);
        dialog.AddItem(L"EDIT", L"", TextField, 0, &rect, &settings.Sniplets[i], 0);
    }
    dialog.SetInitHook(nullptr, LimitTextFields);
}

using AddPageControls = void (*)(TDialog& dialog, Settings& settings);

// OK saves with `save`, which writes the page's part of the file.
int ShowPage(const wchar_t* title, AddPageControls addControls, bool (*save)()) {
    TDialog dialog(nullptr);
    LoadOrTell();
    Settings& settings = GetSettings();
    dialog.SetTitle(title);
    dialog.SetButtonsFollowContent(settings.DlgBtnBottom == 0 ? 1 : 0);
    dialog.SetShowButtons(settings.ShowDlgBtn);
    addControls(dialog, settings);
    const int result = static_cast<int>(dialog.DoModal());
    if (result == IDOK) {
        SaveOrTell(save);
    } else {
        LoadSettings();
    }
    return result;
}

} // namespace

int ShowGeneralPage() {
    return ShowPage(
        L"General", [](TDialog& d, Settings& s) { AddControls(d, s, GeneralPage); }, SaveSettings);
}

int ShowFingerPage() {
    return ShowPage(
        L"Finger", [](TDialog& d, Settings& s) { AddControls(d, s, FingerPage()); }, SaveSettings);
}

int ShowSnipletsPage() {
    return ShowPage(L"Sniplets", AddSnipletFields, SaveSniplets);
}
