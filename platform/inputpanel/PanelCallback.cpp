#include "platform/inputpanel/PanelCallback.h"

#include "platform/inputpanel/InputPanel.h"
#include "platform/inputpanel/KeyEvents.h"

#include <vector>

namespace {

// The events go to the application that has the focus.
HRESULT Deliver(std::vector<INPUT> inputs) {
    if (inputs.empty())
        return E_INVALIDARG;
    const UINT sent =
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), static_cast<int>(sizeof(INPUT)));
    return sent == inputs.size() ? S_OK : E_FAIL;
}

} // namespace

STDMETHODIMP PanelCallback::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IIMCallback)) {
        *object = static_cast<IIMCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) PanelCallback::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) PanelCallback::Release() {
    return static_cast<ULONG>(InterlockedDecrement(&references_));
}

STDMETHODIMP PanelCallback::SetImInfo(IMINFO* pimi) {
    return pimi == nullptr ? E_POINTER : panel_.ApplyImInfo(*pimi);
}

STDMETHODIMP PanelCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags) {
    return Deliver({VirtualKeyInput(bVk, dwFlags)});
}

// The shift state that a character needs comes from the layout, not from the input method.
STDMETHODIMP PanelCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT*,
                                           UINT* puChars) {
    return Deliver(CharEventInputs(uVk, uKeyFlags, uChars, puChars, CurrentKeyContext()));
}

STDMETHODIMP PanelCallback::SendString(BSTR ptszStr, DWORD dwChars) {
    return Deliver(StringInputs(ptszStr, dwChars, CurrentKeyContext()));
}
