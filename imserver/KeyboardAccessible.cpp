#include "imserver/KeyboardAccessible.h"

#include "foundation/Settings.h"
#include "imserver/KeyboardWindowState.h"
#include "imserver/ServerModule.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyNames.h"
#include "keyboard/TextPage.h"

#include <oleacc.h>

#include <new>

namespace {

constexpr wchar_t ObjectProperty[] = L"PlinkerpadAccessible";
constexpr wchar_t KeyboardName[] = L"Plinkerpad";
constexpr wchar_t StripName[] = L"Handle strip";
constexpr wchar_t PressAction[] = L"Press";

// The keys of a layout as children: the slot of each key's first cell, in reading order. A
// two-cell key is one child; the empty cells of the text page, blank keys, are none.
struct ShownKeys {
    int Layout = -1;
    int Slots[SlotsPerLayout] = {};
    int Count = 0;

    explicit ShownKeys(int layout) : Layout(layout) {
        const KeyboardMetrics& metrics = GetSettings().Metrics;
        for (int row = 0; row < metrics.Rows; ++row) {
            for (int column = 0; column < metrics.Columns; ++column) {
                const int slot = row * metrics.Columns + column;
                if (KeyFaceRect(row, column, layout).Slot == slot && HoldsKey(layout, slot) &&
                    Count < SlotsPerLayout)
                    Slots[Count++] = slot;
            }
        }
    }
    LONG StripChild() const { return Count + 1; }
    // The child of the key drawn in the cell of a slot; CHILDID_SELF for none.
    LONG ChildOfCell(int row, int column) const {
        const int slot = KeyFaceRect(row, column, Layout).Slot;
        for (int i = 0; i < Count; ++i) {
            if (Slots[i] == slot)
                return i + 1;
        }
        return CHILDID_SELF;
    }
    LONG ChildOfSlot(int slot) const {
        const int columns = GetSettings().Metrics.Columns;
        return columns > 0 ? ChildOfCell(slot / columns, slot % columns) : CHILDID_SELF;
    }
    bool IsKey(LONG child) const { return child >= 1 && child <= Count; }
    int SlotOf(LONG child) const { return Slots[child - 1]; }
};

// The face of a key in client coordinates.
RECT KeyRect(const ShownKeys& keys, LONG child) {
    const int slot = keys.SlotOf(child);
    const int columns = GetSettings().Metrics.Columns;
    return KeyFaceRect(slot / columns, slot % columns, keys.Layout).Rect;
}

RECT ChildRect(HWND window, const ShownKeys& keys, LONG child) {
    RECT client = {};
    GetClientRect(window, &client);
    if (child == keys.StripChild())
        return {0, 0, GetSettings().Metrics.StripWidth, client.bottom};
    return child == CHILDID_SELF ? client : KeyRect(keys, child);
}

// As the mouse finds them: the strip first, then the key of the cell.
LONG ChildAt(const ShownKeys& keys, POINT point) {
    if (point.x <= GetSettings().Metrics.KeyMargin + GetSettings().Metrics.StripWidth)
        return keys.StripChild();
    const int slot = KeyAt(point.x, point.y);
    return slot < 0 ? CHILDID_SELF : keys.ChildOfSlot(slot);
}

// The neighbour on the grid in a direction, from the cells a key covers; the strip lies left of
// the first column and leads right to the first key.
LONG ChildBeside(const ShownKeys& keys, LONG child, LONG direction) {
    if (child == keys.StripChild())
        return direction == NAVDIR_RIGHT && keys.Count > 0 ? 1 : CHILDID_SELF;
    const int columns = GetSettings().Metrics.Columns;
    const int slot = keys.SlotOf(child);
    const KeyDef& key = LayoutKey(keys.Layout, slot);
    const int row = slot / columns, column = slot % columns;
    switch (direction) {
    case NAVDIR_LEFT:
        return column == 0 ? keys.StripChild() : keys.ChildOfCell(row, column - 1);
    case NAVDIR_RIGHT:
        return keys.ChildOfCell(row, column + 1 + (key.GetHorizontalSpan() > 0 ? 1 : 0));
    case NAVDIR_UP:
        return keys.ChildOfCell(row - 1, column);
    case NAVDIR_DOWN:
        return keys.ChildOfCell(row + 1 + (key.GetVerticalSpan() > 0 ? 1 : 0), column);
    default:
        return CHILDID_SELF;
    }
}

LONG Navigate(const ShownKeys& keys, LONG start, LONG direction) {
    const LONG last = keys.StripChild();
    if (start == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD)
            return 1;
        return direction == NAVDIR_LASTCHILD ? last : CHILDID_SELF;
    }
    if (direction == NAVDIR_NEXT)
        return start < last ? start + 1 : CHILDID_SELF;
    if (direction == NAVDIR_PREVIOUS)
        return start > 1 ? start - 1 : CHILDID_SELF;
    return ChildBeside(keys, start, direction);
}

HRESULT Answer(const wchar_t* text, BSTR* out) {
    *out = SysAllocString(text);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* out, LONG child) {
    out->vt = VT_I4;
    out->lVal = child;
}

// Answers that say there is nothing: no child found, no focus, no selection.
HRESULT Nothing(VARIANT* out) {
    VariantInit(out);
    return S_FALSE;
}

// Presses and lifts the key at its face's centre, as a tap does.
void TapKey(HWND window, const RECT& face) {
    const LPARAM centre = MAKELPARAM((face.left + face.right) / 2, (face.top + face.bottom) / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(window, WM_LBUTTONUP, 0, centre);
}

class KeyboardAccessible : public IAccessible {
public:
    explicit KeyboardAccessible(HWND window) : window(window) {
        InterlockedIncrement(&ModuleObjectCount);
    }
    virtual ~KeyboardAccessible() { InterlockedDecrement(&ModuleObjectCount); }

    // Whoever holds the object from now on reaches nothing; the platform's stubs let go of it.
    void Disconnect() {
        window = nullptr;
        CoDisconnectObject(this, 0);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
            !IsEqualIID(iid, IID_IAccessible)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refCount); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG count = InterlockedDecrement(&refCount);
        if (count == 0)
            delete this;
        return count;
    }

    // Readers call through the interface's own table, not through IDispatch.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        HWND shown = Window();
        if (shown == nullptr)
            return CO_E_OBJNOTCONNECTED;
        return CreateStdAccessibleObject(shown, OBJID_WINDOW, IID_IDispatch,
                                         reinterpret_cast<void**>(parent));
    }
    STDMETHODIMP get_accChildCount(LONG* count) override {
        *count = 0;
        HWND shown = Window();
        if (shown == nullptr)
            return CO_E_OBJNOTCONNECTED;
        *count = Keys(shown).StripChild();
        return S_OK;
    }
    // The keys and the strip are simple elements, named through this object.
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        LONG id = 0;
        const HRESULT known = Child(child, id);
        return FAILED(known) ? known : (id == CHILDID_SELF ? E_INVALIDARG : S_FALSE);
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        const ShownKeys keys = Keys(window);
        if (id == CHILDID_SELF)
            return Answer(KeyboardName, name);
        if (id == keys.StripChild())
            return Answer(StripName, name);
        return Answer(KeyName(keys.Layout, keys.SlotOf(id)).c_str(), name);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override { return NoText(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
        return NoText(child, description);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        VariantInit(role);
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        const bool strip = id == Keys(window).StripChild();
        SetChild(role, id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT
                                          : (strip ? ROLE_SYSTEM_GRIP : ROLE_SYSTEM_PUSHBUTTON));
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        VariantInit(state);
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        LONG flags = IsWindowVisible(window) ? 0 : STATE_SYSTEM_INVISIBLE;
        const int pressed = WindowStateOf(window)->touch.pressedKey;
        if (id != CHILDID_SELF && pressed != 0 && Keys(window).ChildOfSlot(pressed - 1) == id)
            flags |= STATE_SYSTEM_PRESSED;
        SetChild(state, flags);
        return S_OK;
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override { return NoText(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        *topic = 0;
        return NoText(child, file);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return NoText(child, shortcut);
    }
    // The keyboard never takes the focus, and nothing in it is selected.
    STDMETHODIMP get_accFocus(VARIANT* focus) override {
        return Window() == nullptr ? CO_E_OBJNOTCONNECTED : Nothing(focus);
    }
    STDMETHODIMP get_accSelection(VARIANT* selection) override {
        return Window() == nullptr ? CO_E_OBJNOTCONNECTED : Nothing(selection);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        *action = nullptr;
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        return Keys(window).IsKey(id) ? Answer(PressAction, action) : DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP accSelect(LONG, VARIANT child) override {
        LONG id = 0;
        const HRESULT known = Child(child, id);
        return FAILED(known) ? known : DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                             VARIANT child) override {
        *left = *top = *width = *height = 0;
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        RECT rect = ChildRect(window, Keys(window), id);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        VariantInit(end);
        LONG id = 0;
        if (const HRESULT known = Child(start, id); FAILED(known))
            return known;
        const LONG found = Navigate(Keys(window), id, direction);
        if (found == CHILDID_SELF)
            return S_FALSE;
        SetChild(end, found);
        return S_OK;
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* found) override {
        VariantInit(found);
        HWND shown = Window();
        if (shown == nullptr)
            return CO_E_OBJNOTCONNECTED;
        POINT point = {x, y};
        ScreenToClient(shown, &point);
        RECT client = {};
        GetClientRect(shown, &client);
        if (!PtInRect(&client, point))
            return S_FALSE;
        SetChild(found, ChildAt(Keys(shown), point));
        return S_OK;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        LONG id = 0;
        if (const HRESULT known = Child(child, id); FAILED(known))
            return known;
        const ShownKeys keys = Keys(window);
        if (!keys.IsKey(id))
            return DISP_E_MEMBERNOTFOUND;
        TapKey(window, KeyRect(keys, id));
        return S_OK;
    }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The window while it lives with its state; null once it is gone.
    HWND Window() const {
        return window != nullptr && WindowStateOf(window) != nullptr ? window : nullptr;
    }
    // The keys shown now, by the window's geometry as a tap would find them.
    static ShownKeys Keys(HWND shown) {
        const int layout = UpdateWindowGeometry(shown);
        NotifyKeysShown(shown, layout);
        return ShownKeys(layout);
    }
    // The child a VARIANT names: CHILDID_SELF, a key or the strip.
    HRESULT Child(const VARIANT& child, LONG& id) const {
        HWND shown = Window();
        if (shown == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4)
            return E_INVALIDARG;
        id = child.lVal;
        return id >= CHILDID_SELF && id <= Keys(shown).StripChild() ? S_OK : E_INVALIDARG;
    }
    HRESULT NoText(const VARIANT& child, BSTR* text) const {
        *text = nullptr;
        LONG id = 0;
        const HRESULT known = Child(child, id);
        return FAILED(known) ? known : DISP_E_MEMBERNOTFOUND;
    }

    LONG refCount = 1;
    HWND window;
};

KeyboardAccessible* ObjectOf(HWND window) {
    return static_cast<KeyboardAccessible*>(GetPropW(window, ObjectProperty));
}

// The layout and text page that readers last heard of.
int announcedLayout = -1;
int announcedTexts = -1;

} // namespace

LRESULT AnswerGetObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || WindowStateOf(window) == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    KeyboardAccessible* object = ObjectOf(window);
    if (object == nullptr) {
        object = new (std::nothrow) KeyboardAccessible(window);
        if (object == nullptr)
            return E_OUTOFMEMORY;
        if (!SetPropW(window, ObjectProperty, object)) {
            object->Release();
            return E_OUTOFMEMORY;
        }
    }
    return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
}

void DisconnectKeyboardAccessible(HWND window) {
    KeyboardAccessible* object =
        static_cast<KeyboardAccessible*>(RemovePropW(window, ObjectProperty));
    if (object == nullptr)
        return;
    object->Disconnect();
    object->Release();
}

void NotifyKeyStateChanged(HWND window, int slot) {
    const LONG child = ShownKeys(CurrentLayout).ChildOfSlot(slot);
    if (child != CHILDID_SELF)
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, child);
}

void NotifyKeysShown(HWND window, int layout) {
    const int texts = layout == TextLayout ? TextPageRevision() : 0;
    if (layout == announcedLayout && texts == announcedTexts)
        return;
    announcedLayout = layout;
    announcedTexts = texts;
    NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
}
