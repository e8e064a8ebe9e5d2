// The whole path of a tap, from the pointer's press to the character in another process's edit
// control, beside the floor of a bare relay and that of a key sent straight to the application.
#pragma once

// Needs the 640 x 480 screen of the bench's Wine prefix and installs the built library there.
void BenchTapPath();
