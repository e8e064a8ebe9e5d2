#include "imserver/KeyOutput.h"

#include "foundation/OwnedHandle.h"

namespace {

constexpr UINT PressFlags = 0x80;      // the key is down
constexpr UINT ReleaseFlags = 0x10040; // it was down, and the event carries no character
constexpr DWORD SilentKeyDown = 4;
constexpr DWORD SilentKeyUp = 6;

// The letters of codes -1 to -4: cut, copy, paste, undo.
constexpr BYTE ShortcutLetters[] = {'X', 'C', 'V', 'Z'};

using OwnedString = OwnedHandle<BSTR, SysFreeString>;

// Lower-case letters travel with the virtual key of their capital.
UINT VirtualKeyOf(UINT code) {
    return code > 0x60 ? code - 32 : code;
}

// The whole text in one go; the host reads it as a string of the platform's own allocation.
void SendText(IIMCallback* callback, const std::wstring& text) {
    const OwnedString string(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    if (string)
        callback->SendString(string, static_cast<DWORD>(text.size()));
}

// Left Control + letter as four silent virtual-key events.
void SendCtrlShortcut(IIMCallback* callback, BYTE letter) {
    callback->SendVirtualKey(VK_LCONTROL, SilentKeyDown);
    callback->SendVirtualKey(letter, SilentKeyDown);
    callback->SendVirtualKey(letter, SilentKeyUp);
    callback->SendVirtualKey(VK_LCONTROL, SilentKeyUp);
}

} // namespace

void SendKeyEvent(bool isPress, const KeyDef& key, IIMCallback* callback) {
    if (callback == nullptr)
        return;
    if (key.IsTextKey()) {
        if (isPress)
            SendText(callback, key.GetText());
        return;
    }
    UINT flags = isPress ? PressFlags : ReleaseFlags;
    const int code = key.GetCode();
    if (code >= 0) {
        UINT character = static_cast<UINT>(code);
        callback->SendCharEvents(VirtualKeyOf(character), flags, 1, &flags, &character);
    } else if (code >= -4) {
        if (isPress)
            SendCtrlShortcut(callback, ShortcutLetters[-code - 1]);
    } else {
        UINT virtualKey = static_cast<UINT>(-code);
        callback->SendCharEvents(VirtualKeyOf(virtualKey), flags, 0, &flags, &virtualKey);
    }
}
