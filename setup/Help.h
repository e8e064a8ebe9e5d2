// Help: the device's help viewer opened at the contents of the setup program's help document.
#pragma once

void ShowHelp();
