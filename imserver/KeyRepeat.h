// A held editing key repeats its press at the system's keyboard delay and rate, through a window
// timer that runs only while such a key is held. The repeat says when; the key input sends.
#pragma once

#include <windows.h>

class KeyRepeat {
public:
    // Starts the delay of the held key, whose press was just sent, at the system's delay and
    // rate of this moment.
    void Start(HWND window);

    // Ends the repeat, if one runs. The held key's release is the caller's to send.
    void Stop(HWND window);

    // A tick of the repeat timer: true when the held key's press is to be sent again now; false
    // for the tick of an ended repeat, already queued.
    bool Tick(HWND window);

private:
    UINT period = 0;        // ms between repeats; 0: no repeat timer runs
    bool repeating = false; // once the delay has passed
};
