// SetupApp: the setup program's application object; it runs the main window once and ends.
#pragma once

#include "platform/mfc/afxwin.h"

class SetupApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
