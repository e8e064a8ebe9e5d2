// The keyboards that run on the desktop hear of saved settings: the input method reads the
// settings file again at a paint once the file has changed, so a repaint shows what was saved.
#pragma once

// Asks every keyboard window in every input panel on the desktop to repaint itself, whole.
void RepaintRunningKeyboards();
