// The settings pages: each loads the settings file, shows its part of the settings over the main
// window, and saves that part of the file on OK or reloads it otherwise. Each returns its dialog's
// result.
#pragma once

int ShowGeneralPage();
int ShowFingerPage();
int ShowSnipletsPage();
