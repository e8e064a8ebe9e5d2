// The one owner of platform handles: whatever must be closed, deleted, freed or destroyed is
// held by an OwnedHandle and released with it. Also the two scope brackets of drawing: an object
// selected into a device context, and a paint request.
#pragma once

#include <windows.h>
#include <commctrl.h>

// A handle released with its owner by the platform's Release function (its result is ignored).
// A null handle is no handle.
template <typename Handle, auto Release> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : held(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : held(other.Detach()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        Attach(other.Detach());
        return *this;
    }

    void Attach(Handle handle) {
        Reset();
        held = handle;
    }
    Handle Detach() {
        Handle handle = held;
        held = nullptr;
        return handle;
    }
    void Reset() {
        if (held)
            Release(held);
        held = nullptr;
    }
    Handle Get() const { return held; }
    operator Handle() const { return held; }
    explicit operator bool() const { return held != nullptr; }

private:
    Handle held = nullptr;
};

using OwnedKey = OwnedHandle<HKEY, RegCloseKey>;
using OwnedFile = OwnedHandle<HANDLE, CloseHandle>; // null, never INVALID_HANDLE_VALUE
using OwnedProcess = OwnedHandle<HANDLE, CloseHandle>;
using OwnedLocal = OwnedHandle<HLOCAL, LocalFree>;
using OwnedMenu = OwnedHandle<HMENU, DestroyMenu>;
using OwnedBrush = OwnedHandle<HBRUSH, DeleteObject>;
using OwnedBitmap = OwnedHandle<HBITMAP, DeleteObject>;
using OwnedFont = OwnedHandle<HFONT, DeleteObject>;
using OwnedMemoryDc = OwnedHandle<HDC, DeleteDC>;
using OwnedImageList = OwnedHandle<HIMAGELIST, ImageList_Destroy>;

// An object selected into a device context for one scope; the previous one is selected back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc, previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// BeginPaint and EndPaint around one paint request.
class PaintBracket {
public:
    explicit PaintBracket(HWND window) : window(window), dc(BeginPaint(window, &paint)) {}
    ~PaintBracket() { EndPaint(window, &paint); }
    PaintBracket(const PaintBracket&) = delete;
    PaintBracket& operator=(const PaintBracket&) = delete;
    HDC DC() const { return dc; }
    const RECT& Area() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint;
    HDC dc;
};

// GetDC and ReleaseDC around drawing outside a paint request.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window, dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC DC() const { return dc; }

private:
    HWND window;
    HDC dc;
};
