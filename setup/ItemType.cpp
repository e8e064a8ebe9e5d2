#include "setup/ItemType.h"

namespace {

// Class names of the codes FirstItemType .. LastItemType, in code order.
const wchar_t* const ItemClassNames[] = {
    L"BUTTON",
    L"EDIT",
    L"STATIC",
    L"LISTBOX",
    L"SCROLLBAR",
    L"COMBOBOX",
    L"msctls_updown32",
    L"msctls_progress32",
    L"msctls_trackbar32",
    L"msctls_hotkey32",
    L"SysListView32",
    L"SysTreeView32",
    L"SysTabControl32",
    L"SysAnimate32",
    L"RICHEDIT",
    L"SysDateTimePick32",
    L"SysMonthCal32",
    L"SysIPAddress32",
    L"ComboBoxEx32",
    L"ICON",
};

static_assert(sizeof(ItemClassNames) / sizeof(ItemClassNames[0]) ==
                  LastItemType - FirstItemType + 1,
              "one class name per item type");

} // namespace

int ItemTypeOfClass(const std::wstring& className) {
    for (int type = FirstItemType; type <= LastItemType; ++type) {
        if (className == ItemClassNames[type - FirstItemType]) {
            return type;
        }
    }
    return 0;
}

std::wstring ClassOfItemType(int type) {
    if (type < FirstItemType || type > LastItemType) {
        return std::wstring();
    }
    return ItemClassNames[type - FirstItemType];
}
