#include "setup/DefaultImDialog.h"

#include "foundation/RegistryKey.h"
#include "foundation/SipRegistry.h"
#include "setup/ItemType.h"
#include "setup/PlaceRect.h"
#include "setup/TDialog.h"

StringList ImList;
int ImListFilled = 0;
int ImComboId = 0;
int ImChoice = -1;

namespace {

constexpr DWORD Heading = 0x5000000C;
constexpr DWORD WrappedText = 0x50000000;
// Child, visible, border, vertical scroll bar, drop-down list, sorted, automatic scrolling.
constexpr DWORD ImComboStyle = 0x50A00143;

// The combo box, once the list has been filled for this opening.
HWND ImCombo = nullptr;

// An entry is "display name=class key"; class keys hold no "=", display names may.
std::wstring DisplayNameAt(int position) {
    const std::wstring entry = ImList.At(position);
    return entry.substr(0, entry.rfind(L'='));
}

std::wstring ClassKeyAt(int position) {
    const std::wstring entry = ImList.At(position);
    return entry.substr(entry.rfind(L'=') + 1);
}

// Lists the class when its "IsSIPInputMethod" is exactly "1"; the reads create no key.
void AddIfInputMethod(const std::wstring& classKey) {
    const std::wstring path = L"CLSID\\" + classKey;
    RegistryKey marker(HKEY_CLASSES_ROOT, path + L"\\IsSIPInputMethod", RegistryKey::ReadOnly);
    if (marker.ReadString(L"", L"") != L"1") {
        return;
    }
    const std::wstring display =
        RegistryKey(HKEY_CLASSES_ROOT, path, RegistryKey::ReadOnly).ReadString(L"", L"");
    if (display == L"Transcriber") {
        return;
    }
    ImList.Add(display + L"=" + classKey);
}

void FillComboBox(const std::wstring& current) {
    for (int position = 0; position < ImList.Count(); ++position) {
        const LRESULT item = SendMessageW(
            ImCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DisplayNameAt(position).c_str()));
        SendMessageW(ImCombo, CB_SETITEMDATA, item, position);
        // Class IDs are GUIDs; the registry does not care about their letter case.
        if (SameTextIgnoringCase(ClassKeyAt(position), current)) {
            SendMessageW(ImCombo, CB_SETCURSEL, item, 0);
        }
    }
}

void WriteDefaultIm(const std::wstring& classKey) {
    RegistryKey(HKEY_CURRENT_USER, SipKeyPath).WriteString(DefaultImValue, classKey);
}

} // namespace

int FillImList(void*, TDialog* dialog) {
    if (ImListFilled == 1) {
        return 1;
    }
    ImListFilled = 1;
    ImCombo = GetDlgItem(dialog->m_hWnd, ImComboId);
    const std::wstring current = RegistryKey(HKEY_CURRENT_USER, SipKeyPath, RegistryKey::ReadOnly)
                                     .ReadString(DefaultImValue, L"");
    RegistryKey classes(HKEY_CLASSES_ROOT, L"CLSID", RegistryKey::ReadOnly);
    ImList.Clear();
    std::wstring classKey;
    for (bool more = classes.FirstSubkey(classKey); more; more = classes.NextSubkey(classKey)) {
        AddIfInputMethod(classKey);
    }
    FillComboBox(current);
    return 1;
}

void ReadImChoice(void*, TDialog*) {
    const LRESULT item = ImCombo ? SendMessageW(ImCombo, CB_GETCURSEL, 0, 0) : CB_ERR;
    if (item != CB_ERR) {
        ImChoice = static_cast<int>(SendMessageW(ImCombo, CB_GETITEMDATA, item, 0));
    }
}

int ShowDefaultImDialog() {
    TDialog dialog(nullptr);
    ImListFilled = 0;
    ImChoice = -1;
    ImCombo = nullptr;
    dialog.SetTitle(L"Set default Boot-IM");
    dialog.SetButtonsFollowContent(0);
    dialog.SetShowButtons(1);
    RECT r = {};
    PlaceRect(r, PLACE_FIRST_ROW);
    PlaceRect(r, PLACE_FULL_WIDTH | PLACE_HALF_GAP);
    dialog.AddItem(L"STATIC", L"___ Default Boot-IM ________________________________________",
                   Heading, 0, &r, nullptr, 0);
    PlaceRect(r, PLACE_NEXT_ROW | PLACE_FULL_WIDTH | PLACE_HALF_GAP);
    r.bottom += 10;
    dialog.AddItem(L"STATIC",
                   L"This dialog permits you to change the default Input Method of your device.",
                   WrappedText, 0, &r, nullptr, 0);
    PlaceRect(r, PLACE_NEXT_ROW | PLACE_FULL_WIDTH);
    r.bottom += 10;
    dialog.AddItem(L"STATIC",
                   L"That means when you reset your device the Input Method will be set to the "
                   L"selection below:",
                   WrappedText, 0, &r, nullptr, 0);
    PlaceRect(r, PLACE_NEXT_ROW | PLACE_FULL_WIDTH | PLACE_HALF_GAP);
    r.bottom += 30; // the drop-down list
    ImComboId = dialog.AddItemOfType(ItemComboBox, L"", ImComboStyle, 0, &r, nullptr, 0);
    dialog.SetPaintHook(nullptr, FillImList);
    dialog.SetOkHook(nullptr, ReadImChoice);
    const int result = static_cast<int>(dialog.DoModal());
    // The chosen entry's own class key: names that differ only in letter case stay apart.
    if (result == IDOK && ImChoice != -1) {
        WriteDefaultIm(ClassKeyAt(ImChoice));
    }
    return result;
}
