// Owners of the GDI objects and image lists that live as long as the module.
#pragma once

#include <windows.h>
#include <commctrl.h>

// A solid brush, deleted with its owner. Converts to HBRUSH where a handle is wanted.
class OwnedBrush {
public:
    OwnedBrush() = default;
    ~OwnedBrush() { Reset(); }
    OwnedBrush(const OwnedBrush&) = delete;
    OwnedBrush& operator=(const OwnedBrush&) = delete;

    // Creates the brush unless it already exists.
    void Create(COLORREF color) {
        if (!Handle)
            Handle = CreateSolidBrush(color);
    }
    void Reset() {
        if (Handle)
            DeleteObject(Handle);
        Handle = nullptr;
    }
    HBRUSH Get() const { return Handle; }
    operator HBRUSH() const { return Handle; }

private:
    HBRUSH Handle = nullptr;
};

// An image list of the common controls, destroyed with its owner.
class OwnedImageList {
public:
    OwnedImageList() = default;
    ~OwnedImageList() { Reset(); }
    OwnedImageList(const OwnedImageList&) = delete;
    OwnedImageList& operator=(const OwnedImageList&) = delete;

    void Attach(HIMAGELIST list) {
        Reset();
        Handle = list;
    }
    void Reset() {
        if (Handle)
            ImageList_Destroy(Handle);
        Handle = nullptr;
    }
    HIMAGELIST Get() const { return Handle; }
    operator HIMAGELIST() const { return Handle; }

private:
    HIMAGELIST Handle = nullptr;
};
