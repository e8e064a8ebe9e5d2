// The names a screen reader speaks for the keys: one per word of the key vocabulary and per
// character the layouts type, beside the words themselves.
#pragma once

#include <string>

// The spoken name of the key in a slot of a built layout: "Backspace", "7", "Decimal separator",
// "Next page" for the page toggle, a text key's own text. Callers check IsLayoutSlot first.
std::wstring KeyName(int layout, int slot);
