// The keyboards that run on the desktop hear of saved settings: the input method reads the
// settings file when it paints, so a repaint shows what was saved.
#pragma once

// Asks every keyboard window in every input panel on the desktop to repaint itself, whole.
void RepaintRunningKeyboards();
