// The "Boot-IM" dialog: lists the registered input methods and writes the chosen one's class ID
// as the input method that the input panel selects after a reset of the device.
#pragma once

#include "foundation/StringList.h"

class TDialog;

// "display name=class key" per listed input method, refilled at every opening.
extern StringList ImList;
// 1 once the list has been filled for the current opening.
extern int ImListFilled;
// The automatic ID of the dialog's combo box.
extern int ImComboId;
// Position in ImList of the chosen input method; -1 for no choice.
extern int ImChoice;

// 1 OK, 2 Cancel, -1 when the dialog could not be built.
int ShowDefaultImDialog();
// The paint hook: fills the list and the combo box at the first paint. Always 1.
int FillImList(void* context, TDialog* dialog);
// The OK hook: takes the combo box's selection as the choice.
void ReadImChoice(void* context, TDialog* dialog);
