#include "imserver/KeyboardPicture.h"

#include "foundation/Settings.h"
#include "imserver/KeyPainter.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/TextPage.h"

namespace {

// The picture takes four bytes a pixel: it is kept only for a window that fits on the screen, as
// every docked and floating keyboard does, so that no window size can make it take more.
bool FitsOnScreen(LONG width, LONG height) {
    return width <= GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
           height <= GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

} // namespace

KeyboardPicture::Look KeyboardPicture::CurrentLook(const RECT& client, int layout) {
    const Settings& settings = GetSettings();
    const KeyboardMetrics& metrics = settings.Metrics;
    return {KeyImageList.Get(),
            layout,
            settings.ColorType,
            settings.No3D,
            metrics.Columns,
            metrics.Rows,
            metrics.KeyWidth,
            metrics.KeyHeight,
            metrics.KeyMargin,
            client.right - client.left,
            client.bottom - client.top,
            TextPageRevision(),
            KeyboardsRevision(),
            metrics.Scale};
}

void KeyboardPicture::Release() {
    selection.reset();
    memory.Reset();
    bitmap.Reset();
    valid = false;
}

// The picture starts as the window's erased background (the class brush is white).
void KeyboardPicture::Redraw(HDC target, const RECT& client, const Look& look) {
    if (!valid || look.Width != drawn.Width || look.Height != drawn.Height) {
        Release();
        memory.Attach(CreateCompatibleDC(target));
        bitmap.Attach(CreateCompatibleBitmap(target, look.Width, look.Height));
        if (!memory || !bitmap) {
            Release();
            return;
        }
        selection.emplace(memory, bitmap);
    }
    const RECT whole = {0, 0, look.Width, look.Height};
    FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetWindowOrgEx(memory, client.left, client.top, nullptr);
    DrawKeyboard(memory, client, look.Layout, 0);
    SetWindowOrgEx(memory, 0, 0, nullptr);
    drawn = look;
    valid = true;
}

bool KeyboardPicture::Shows(const RECT& client, int layout) const {
    return valid && CurrentLook(client, layout) == drawn;
}

void KeyboardPicture::Paint(HDC target, const RECT& client, const RECT& area, int layout) {
    const Look look = CurrentLook(client, layout);
    if (look.Width <= 0 || look.Height <= 0)
        return;
    if (!FitsOnScreen(look.Width, look.Height))
        Release();
    else if (!valid || !(look == drawn))
        Redraw(target, client, look);
    if (!valid) { // no picture, or no memory for one: draw straight into the target
        DrawKeyboard(target, client, layout, 0);
        return;
    }
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
           area.left - client.left, area.top - client.top, SRCCOPY);
}
