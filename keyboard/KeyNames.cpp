#include "keyboard/KeyNames.h"

#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyboardTypes.h"

#include <cstring>

namespace {

struct KeyNameEntry {
    const wchar_t* Word; // a label of the layouts' records, or a character a key types
    const wchar_t* Name;
};

// Digits and the letters of the hexadecimal keys are spoken as they are written.
const KeyNameEntry KeyNames[] = {
    {PageToggleLabel, L"Next page"},
    {DecimalKeyLabel, L"Decimal separator"},
    {L"BS", L"Backspace"},
    {L"TAB", L"Tab"},
    {L"RET", L"Enter"},
    {L"SPC", L"Space"},
    {L"HM", L"Home"},
    {L"END", L"End"},
    {L"LT", L"Left"},
    {L"UP", L"Up"},
    {L"RT", L"Right"},
    {L"DN", L"Down"},
    {L"DEL", L"Delete"},
    {L"^X", L"Cut"},
    {L"^C", L"Copy"},
    {L"^V", L"Paste"},
    {L"^Z", L"Undo"},
    {L",", L"Comma"},
    {L".", L"Period"},
    {L"(", L"Left parenthesis"},
    {L")", L"Right parenthesis"},
    {L"[", L"Left bracket"},
    {L"]", L"Right bracket"},
    {L"<", L"Less than"},
    {L">", L"Greater than"},
    {L"+", L"Plus"},
    {L"-", L"Minus"},
    {L"*", L"Asterisk"},
    {L"/", L"Slash"},
    {L"=", L"Equals"},
    {L"$", L"Dollar sign"},
    {L"%", L"Percent"},
    {L":", L"Colon"},
    {L";", L"Semicolon"},
    {L"'", L"Apostrophe"},
    {L"\u20AC", L"Euro sign"},
};

const wchar_t* NameOf(const wchar_t* word) {
    for (const KeyNameEntry& entry : KeyNames) {
        if (std::wcscmp(word, entry.Word) == 0)
            return entry.Name;
    }
    return nullptr;
}

// The word the keyboard type's record has in the slot; the text page has none.
const wchar_t* RecordWord(int layout, int slot) {
    if (layout >= BuiltInLayoutCount)
        return nullptr;
    const PageLabels& labels = KeyboardTypes[layout / PagesPerType].Pages[layout % PagesPerType];
    return slot < labels.Count ? labels.Items[slot] : nullptr;
}

} // namespace

// The other separator's word stands for whichever separator the locale does not use: its key is
// named by the character it types.
std::wstring KeyName(int layout, int slot) {
    const KeyDef& key = LayoutKey(layout, slot);
    if (key.GetCode() == PageToggleCode)
        return NameOf(PageToggleLabel);
    if (key.IsTextKey())
        return key.GetText();
    const wchar_t* word = RecordWord(layout, slot);
    if (const wchar_t* name = word != nullptr ? NameOf(word) : nullptr)
        return name;
    const std::wstring label = key.GetLabel();
    const wchar_t* name = NameOf(label.c_str());
    return name != nullptr ? name : label;
}
