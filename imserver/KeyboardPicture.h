// The keyboard as drawn with no key pressed, kept by its window between paints: a full paint with
// the same layout, look and size copies it instead of drawing every key again. The settings file
// is still looked at and the geometry recomputed at every paint; only the drawing is reused.
#pragma once

#include "foundation/OwnedHandle.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <tuple>

class KeyboardPicture {
public:
    KeyboardPicture() = default;
    KeyboardPicture(const KeyboardPicture&) = delete;
    KeyboardPicture& operator=(const KeyboardPicture&) = delete;

    // True when the picture is the keyboard of that layout, look and size: painting it then
    // changes nothing outside the area painted.
    bool Shows(const RECT& client, int layout) const;

    // Paints the area of the keyboard (strip and every key in the normal look) into the target,
    // redrawing the picture first when the layout, the look or the size changed.
    void Paint(HDC target, const RECT& client, const RECT& area, int layout);

private:
    // Everything the drawing depends on besides the fixed keys and pictures.
    struct Look {
        HIMAGELIST Pictures; // null until the keyboards are built
        int Layout;
        int ColorType;
        int No3D;
        int Columns;
        int Rows;
        int KeyWidth;
        int KeyHeight;
        int KeyMargin;
        LONG Width;
        LONG Height;
        int TextRevision;   // the text page's keys change within its layout
        int LayoutRevision; // and the built-in pages' keys with the digit order
        int Scale;          // the label font and the pictures follow the key size
        // Every field above (a field added is added here), so that looks compare as a whole.
        auto Fields() const {
            return std::tie(Pictures, Layout, ColorType, No3D, Columns, Rows, KeyWidth, KeyHeight,
                            KeyMargin, Width, Height, TextRevision, LayoutRevision, Scale);
        }
        bool operator==(const Look& other) const { return Fields() == other.Fields(); }
    };
    static Look CurrentLook(const RECT& client, int layout);
    void Redraw(HDC target, const RECT& client, const Look& look);
    void Release();

    // Destroyed in reverse order: the bitmap leaves the memory DC before either is deleted.
    OwnedBitmap bitmap;
    OwnedMemoryDc memory;
    std::optional<SelectedObject> selection;
    Look drawn = {};
    bool valid = false;
};
