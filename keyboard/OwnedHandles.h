// Owners of the GDI objects and image lists that live as long as the module.
#pragma once

#include <windows.h>
#include <commctrl.h>

// A handle released with its owner. Converts to the handle type where a handle is wanted.
template <typename Handle, auto Release> class OwnedHandle {
public:
    OwnedHandle() = default;
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    void Attach(Handle handle) {
        Reset();
        held = handle;
    }
    void Reset() {
        if (held)
            Release(held);
        held = nullptr;
    }
    Handle Get() const { return held; }
    operator Handle() const { return held; }

private:
    Handle held = nullptr;
};

inline void DeleteBrush(HBRUSH brush) {
    DeleteObject(brush);
}

// A solid brush, deleted with its owner.
class OwnedBrush : public OwnedHandle<HBRUSH, DeleteBrush> {
public:
    // Creates the brush unless it already exists.
    void Create(COLORREF color) {
        if (!Get())
            Attach(CreateSolidBrush(color));
    }
};

// An image list of the common controls, destroyed with its owner.
using OwnedImageList = OwnedHandle<HIMAGELIST, ImageList_Destroy>;
