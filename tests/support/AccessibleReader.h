// A window's client object read as a screen reader reads it, through Active Accessibility: from
// another process the calls cross to the window's thread, which must be pumping messages.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

struct AccessibleReader {
    explicit AccessibleReader(HWND window)
        : Found(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&Object))) {}
    ~AccessibleReader() {
        if (Object != nullptr)
            Object->Release();
    }

    static VARIANT Child(LONG id) {
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = id;
        return child;
    }
    LONG Count() const {
        LONG count = -1;
        Result = Object->get_accChildCount(&count);
        return count;
    }
    std::wstring Name(LONG id) const { return Text(&IAccessible::get_accName, id); }
    std::wstring Action(LONG id) const { return Text(&IAccessible::get_accDefaultAction, id); }
    LONG Role(LONG id) const { return Number(&IAccessible::get_accRole, id); }
    LONG State(LONG id) const { return Number(&IAccessible::get_accState, id); }
    RECT Location(LONG id) const {
        LONG left = 0, top = 0, width = 0, height = 0;
        Result = Object->accLocation(&left, &top, &width, &height, Child(id));
        return RECT{left, top, left + width, top + height};
    }
    // The child at a screen point, or found from one in a direction; -1 when the answer is no
    // child number (nothing there, or an object of its own, which the keyboard never gives).
    LONG At(POINT point) const {
        VARIANT found;
        VariantInit(&found);
        Result = Object->accHitTest(point.x, point.y, &found);
        return found.vt == VT_I4 ? found.lVal : -1;
    }
    LONG Beside(LONG id, LONG direction) const {
        VARIANT found;
        VariantInit(&found);
        Result = Object->accNavigate(direction, Child(id), &found);
        return found.vt == VT_I4 ? found.lVal : -1;
    }
    HRESULT Press(LONG id) const { return Result = Object->accDoDefaultAction(Child(id)); }

    IAccessible* Object = nullptr;
    const HRESULT Found;
    mutable HRESULT Result = S_OK; // of the latest call

private:
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                      LONG id) const {
        BSTR text = nullptr;
        Result = (Object->*get)(Child(id), &text);
        std::wstring read = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
        SysFreeString(text);
        return read;
    }
    LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG id) const {
        VARIANT value;
        VariantInit(&value);
        Result = (Object->*get)(Child(id), &value);
        const LONG read = value.vt == VT_I4 ? value.lVal : -1;
        VariantClear(&value);
        return read;
    }
};
