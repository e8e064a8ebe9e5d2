// A picture in memory for `make pictures`: taken from the screen, pasted together with others,
// captioned, and written as a PNG file.
#pragma once

#include "foundation/OwnedHandle.h"

#include <windows.h>

#include <string>

class Picture {
public:
    // White, of the given size.
    Picture(int width, int height);
    // What the screen shows in the area.
    static Picture FromScreen(const RECT& area);

    int Width() const { return width; }
    int Height() const { return height; }
    bool SamePixels(const Picture& other) const;

    void Paste(const Picture& other, int left, int top);
    // One line of black text, centred in the band.
    void Caption(const std::wstring& text, RECT band);
    // Written through the platform's imaging component; false when it could not be written.
    bool SavePng(const std::wstring& path) const;

private:
    int Stride() const { return (width * 3 + 3) & ~3; }

    int width;
    int height;
    void* bits = nullptr; // 24-bit rows, top row first, held by the bitmap
    OwnedBitmap bitmap;
};

// Handles the thread's waiting messages (its own windows' painting).
void PumpMessages();

// Wine shows a window's painting on the screen a moment later: the screen is read, the thread's
// messages handled between readings, until it has left the picture before (when one is given)
// and two readings agree; the last reading after two seconds.
Picture SteadyScreen(const RECT& area, const Picture* before = nullptr);
