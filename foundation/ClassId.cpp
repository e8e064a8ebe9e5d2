#include "foundation/ClassId.h"

#include <objbase.h>

std::wstring ClassIdText(const CLSID& clsid) {
    wchar_t text[39]; // 38 characters and the null
    int length = StringFromGUID2(clsid, text, ARRAYSIZE(text));
    return std::wstring(text, length > 0 ? length - 1 : 0);
}
