#include "keyboard/TextPage.h"

#include "foundation/Settings.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr bool EveryGridHoldsTheTexts() {
    for (const KeyboardType& type : KeyboardTypes) {
        if (type.Columns * type.Rows < 1 + SnipletCount)
            return false;
    }
    return true;
}
static_assert(EveryGridHoldsTheTexts(), "each grid holds the page toggle and every text");

// What the text layout was last filled from; Revision 0: never filled.
int FilledType = 0;
std::wstring FilledTexts[SnipletCount];
int Revision = 0;

bool IsCurrent(const Settings& settings, int type) {
    return Revision > 0 && type == FilledType &&
           std::equal(std::begin(FilledTexts), std::end(FilledTexts),
                      std::begin(settings.Sniplets));
}

// The toggle leads back to the first page, as the second page's does, and shows its picture.
void Fill(const Settings& settings, int type) {
    for (int slot = 0; slot < SlotsPerLayout; ++slot)
        LayoutKey(TextLayout, slot) = KeyDef();
    NextKeySlot = 0;
    AddImageKey(TextLayout, PageToggleLabel, PageToggleCode,
                KeyPictureIndex(KeyboardTypes[type].PageToggle[SecondPage]));
    for (const std::wstring& text : settings.Sniplets) {
        if (text.empty())
            ++NextKeySlot;
        else
            AddTextKey(TextLayout, text, text);
    }
}

} // namespace

void UpdateTextPage() {
    if (!KeyboardsBuilt())
        return;
    const Settings& settings = GetSettings();
    const int type = ShownKeyboardType(settings.KeyboardType);
    if (IsCurrent(settings, type))
        return;
    Fill(settings, type);
    FilledType = type;
    std::copy(std::begin(settings.Sniplets), std::end(settings.Sniplets), std::begin(FilledTexts));
    ++Revision;
}

int TextPageRevision() {
    return Revision;
}
