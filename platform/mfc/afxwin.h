// The subset of the Microsoft Foundation Classes that the setup program stands on: application
// object, windows, modal dialogs, data exchange, fonts and message boxes.
#pragma once

#include "platform/mfc/DataExchange.h"
#include "platform/mfc/Dialog.h"
#include "platform/mfc/Font.h"
#include "platform/mfc/WinApp.h"
#include "platform/mfc/Wnd.h"
