// ItemType: numeric codes of the control window classes a dialog can declare.
#pragma once

#include <string>

// 128 to 133 are the platform's own atoms of the predefined control classes.
enum ItemType {
    ItemButton = 128,
    ItemEdit = 129,
    ItemStatic = 130,
    ItemListBox = 131,
    ItemScrollBar = 132,
    ItemComboBox = 133,
    ItemUpDown = 134,
    ItemProgress = 135,
    ItemTrackBar = 136,
    ItemHotKey = 137,
    ItemListView = 138,
    ItemTreeView = 139,
    ItemTabControl = 140,
    ItemAnimate = 141,
    ItemRichEdit = 142,
    ItemDateTimePick = 143,
    ItemMonthCal = 144,
    ItemIpAddress = 145,
    ItemComboBoxEx = 146,
    ItemIcon = 147,
};

constexpr int FirstItemType = ItemButton;
constexpr int LastItemType = ItemIcon;

// The code of a class name (exact, case-sensitive), 0 when it is not in the table.
int ItemTypeOfClass(const std::wstring& className);

// The class name of a code; empty for 0 and for codes outside the table.
std::wstring ClassOfItemType(int type);
