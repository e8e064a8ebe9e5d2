// A key record becomes the input panel's IIMCallback calls: characters, virtual keys, the Control
// shortcuts and texts.
#pragma once

#include "keyboard/KeyDef.h"
#include "platform/sip/sip.h"

// Sends one press or one release of a key through the callback; nothing without one. A text key
// sends its whole text at the press and nothing at the release.
void SendKeyEvent(bool isPress, const KeyDef& key, IIMCallback* callback);
