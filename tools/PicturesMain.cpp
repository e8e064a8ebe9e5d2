// KeyboardPictures.exe PLINKERPAD_DLL FOLDER [--key-sizes]: `make pictures`. Shows every keyboard
// type in every colour scheme and look through the built input method in an input panel, as a
// user sees it. For each it writes into FOLDER (which must exist) one picture of the pages one
// below the other, as the page toggle turns them (first page, second page, text page), and then a
// contact sheet of the six types in the look a new user sees. With --key-sizes it draws each type
// at each key size instead, in the look a new user sees, and a sheet of them side by side. The
// settings file is the program's while it runs; it is removed at the end.

#include "foundation/ClassId.h"
#include "foundation/Settings.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/KeyboardTypes.h"
#include "platform/inputpanel/InputPanel.h"
#include "tools/Desktop.h"
#include "tools/Picture.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Texts of the text page; the gap shows that each text keeps its own cell.
const wchar_t* const SampleTexts[SnipletCount] = {
    L"Hello", L"12.5 %", L"€ 100", L"Best regards", L"", L"Thank you!", L"+49 30 1234"};

struct Variant {
    int Value;
    const wchar_t* Name;
};
const Variant Schemes[] = {
    {BlackAndWhite, L"black-and-white"}, {Grey, L"gray"}, {Colored, L"colored"}};
const Variant Looks[] = {{0, L"3d"}, {1, L"flat"}}; // No3D
const Variant KeySizes[] = {{0, L"standard"}, {1, L"large"}, {2, L"extra-large"}};

constexpr int PagesShown = 3;
constexpr int Gap = 6;            // between pages, and around the sheet's pictures
constexpr int CaptionHeight = 20; // above each picture of the sheet
constexpr int SheetColumns = 3;

// "Numeric + hex" gives "numeric-hex"; the type without a name is "one-row".
std::wstring FileNameOf(int type) {
    const wchar_t* name = KeyboardTypes[type].Name;
    std::wstring fileName;
    for (const wchar_t* c = name != nullptr ? name : L"one row"; *c != L'\0'; ++c) {
        if (std::iswalnum(*c))
            fileName += static_cast<wchar_t>(std::towlower(*c));
        else if (!fileName.empty() && fileName.back() != L'-')
            fileName += L'-';
    }
    return fileName;
}

std::wstring CaptionOf(int type) {
    const wchar_t* name = KeyboardTypes[type].Name;
    return name != nullptr ? name : L"One row (KeyboardType=5 in the settings file)";
}

void WriteSettings(Settings settings, int type, int colorType, int no3D, int keySize = 0) {
    settings.KeyboardType = type;
    settings.ColorType = colorType;
    settings.No3D = no3D;
    settings.KeySize = keySize;
    for (int i = 0; i < SnipletCount; ++i)
        settings.Sniplets[i] = SampleTexts[i] != nullptr ? SampleTexts[i] : L"";
    GetSettings() = settings;
    SaveSettings();
    SaveSniplets();
}

// A tap on the page toggle, the first cell of every page.
void TapPageToggle(HWND keyboard) {
    POINT centre = KeyCentre(keyboard, 0, 0);
    ScreenToClient(keyboard, &centre);
    const LPARAM at = MAKELPARAM(centre.x, centre.y);
    SendMessageW(keyboard, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(keyboard, WM_LBUTTONUP, 0, at);
    UpdateWindow(keyboard);
}

Picture Stacked(const std::vector<Picture>& pages) {
    int width = 0, height = -Gap;
    for (const Picture& page : pages) {
        width = std::max(width, page.Width());
        height += page.Height() + Gap;
    }
    Picture stack(width, height);
    int top = 0;
    for (const Picture& page : pages) {
        stack.Paste(page, 0, top);
        top += page.Height() + Gap;
    }
    return stack;
}

// The class factory of the library, loaded as the input panel's COM loader would; null when it
// does not serve Plinkerpad's class.
IClassFactory* FactoryOf(HMODULE library) {
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = library != nullptr
                                    ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(
                                          GetProcAddress(library, "DllGetClassObject")))
                                    : nullptr;
    void* factory = nullptr;
    if (getClassObject == nullptr ||
        FAILED(getClassObject(CLSID_Plinkerpad, IID_IClassFactory, &factory)))
        return nullptr;
    return static_cast<IClassFactory*>(factory);
}

// The pages of the keyboard that the settings file asks for, as the input panel shows it.
std::optional<Picture> PagesShownBy(IClassFactory* factory) {
    IInputMethod* method = nullptr;
    if (FAILED(
            factory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&method))))
        return std::nullopt;
    InputPanel panel(GetModuleHandleW(nullptr));
    const HRESULT opened = panel.Open(method);
    method->Release();
    if (FAILED(opened) || !WaitFor([] {
            PumpMessages();
            return KeyboardReady();
        }))
        return std::nullopt;
    RECT area{};
    GetWindowRect(panel.Window(), &area);
    std::vector<Picture> pages;
    for (int page = 0; page < PagesShown; ++page) {
        if (page > 0)
            TapPageToggle(FindKeyboard());
        pages.push_back(SteadyScreen(area, pages.empty() ? nullptr : &pages.back()));
    }
    panel.Close();
    PumpMessages();
    return Stacked(pages);
}

// The library is loaded afresh for each keyboard, as when the input panel starts: the page that
// the keyboard before was left on does not carry over.
std::optional<Picture> PagesOf(const std::wstring& libraryPath) {
    const HMODULE library = LoadLibraryW(libraryPath.c_str());
    IClassFactory* factory = FactoryOf(library);
    std::optional<Picture> pages;
    if (factory != nullptr) {
        pages = PagesShownBy(factory);
        factory->Release();
    } else {
        std::fprintf(stderr, "KeyboardPictures: cannot load the input method from %ls\n",
                     libraryPath.c_str());
    }
    if (library != nullptr)
        FreeLibrary(library);
    return pages;
}

// Pictures side by side in rows of `columns`, each captioned; a column is as wide as its widest.
Picture ContactSheet(const std::vector<Picture>& pictures,
                     const std::vector<std::wstring>& captions, int columns) {
    std::vector<int> columnLefts(columns + 1, Gap);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const size_t column = i % columns;
        columnLefts[column + 1] =
            std::max(columnLefts[column + 1], columnLefts[column] + pictures[i].Width() + Gap);
    }
    for (int column = 1; column <= columns; ++column)
        columnLefts[column] = std::max(columnLefts[column], columnLefts[column - 1]);
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    std::vector<int> rowTops(rows + 1, Gap);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const size_t row = i / columns;
        rowTops[row + 1] =
            std::max(rowTops[row + 1], rowTops[row] + CaptionHeight + pictures[i].Height() + Gap);
    }
    Picture sheet(columnLefts[columns], rowTops[rows]);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int left = columnLefts[i % columns];
        const int top = rowTops[i / columns];
        sheet.Caption(captions[i],
                      RECT{left, top, left + pictures[i].Width(), top + CaptionHeight});
        sheet.Paste(pictures[i], left, top + CaptionHeight);
    }
    return sheet;
}

std::vector<std::wstring> TypeCaptions() {
    std::vector<std::wstring> captions;
    for (int type = 0; type < KeyboardTypeCount; ++type)
        captions.push_back(CaptionOf(type));
    return captions;
}

bool Save(const Picture& picture, const std::wstring& folder, const std::wstring& name) {
    const std::wstring path = folder + L"\\" + name + L".png";
    const bool saved = picture.SavePng(path);
    std::fprintf(saved ? stdout : stderr, "%ls %ls\n", saved ? L"wrote" : L"cannot write",
                 path.c_str());
    return saved;
}

// Every type in every scheme and look; the pictures in the defaults' scheme and look go to the
// sheet. False at the first picture that fails.
bool WriteEveryKeyboard(const std::wstring& libraryPath, const std::wstring& folder,
                        const Settings& defaults, std::vector<Picture>& sheet) {
    for (int type = 0; type < KeyboardTypeCount; ++type) {
        for (const Variant& scheme : Schemes) {
            for (const Variant& look : Looks) {
                WriteSettings(defaults, type, scheme.Value, look.Value);
                std::optional<Picture> pages = PagesOf(libraryPath);
                if (!pages ||
                    !Save(*pages, folder, FileNameOf(type) + L"-" + scheme.Name + L"-" + look.Name))
                    return false;
                if (scheme.Value == defaults.ColorType && look.Value == defaults.No3D)
                    sheet.push_back(std::move(*pages));
            }
        }
    }
    return true;
}

bool WritePictures(const std::wstring& libraryPath, const std::wstring& folder) {
    DeleteFileW(SettingsFilePath().c_str());
    LoadSettings();
    const Settings defaults = GetSettings();
    std::vector<Picture> sheet;
    const bool written = WriteEveryKeyboard(libraryPath, folder, defaults, sheet);
    DeleteFileW(SettingsFilePath().c_str());
    return written &&
           Save(ContactSheet(sheet, TypeCaptions(), SheetColumns), folder, L"keyboard-types");
}

// Every type at every key size in the look a new user sees, one row per type.
bool WriteKeySizes(const std::wstring& libraryPath, const std::wstring& folder) {
    DeleteFileW(SettingsFilePath().c_str());
    LoadSettings();
    const Settings defaults = GetSettings();
    std::vector<Picture> sheet;
    std::vector<std::wstring> captions;
    bool written = true;
    for (int type = 0; type < KeyboardTypeCount && written; ++type) {
        for (const Variant& size : KeySizes) {
            WriteSettings(defaults, type, defaults.ColorType, defaults.No3D, size.Value);
            std::optional<Picture> pages = PagesOf(libraryPath);
            written = pages && Save(*pages, folder, FileNameOf(type) + L"-" + size.Name);
            if (!written)
                break;
            sheet.push_back(std::move(*pages));
            captions.push_back(CaptionOf(type) + L", " + size.Name);
        }
    }
    DeleteFileW(SettingsFilePath().c_str());
    return written &&
           Save(ContactSheet(sheet, captions, std::size(KeySizes)), folder, L"key-sizes");
}

} // namespace

int main(int argc, char** argv) {
    const bool keySizes = argc == 4 && std::string(argv[3]) == "--key-sizes";
    if (argc != 3 && !keySizes) {
        std::fprintf(stderr, "usage: KeyboardPictures PLINKERPAD_DLL FOLDER [--key-sizes]\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    const bool written = keySizes ? WriteKeySizes(WinePath(argv[1]), WinePath(argv[2]))
                                  : WritePictures(WinePath(argv[1]), WinePath(argv[2]));
    CoUninitialize();
    return written ? 0 : 1;
}
