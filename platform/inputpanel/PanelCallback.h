// The input panel's side of the input method: IIMCallback, which delivers key events to the
// focused application and moves the panel.
#pragma once

#include "platform/sip/sip.h"

class InputPanel;

// Lives inside its InputPanel and as long as it; the reference count is kept honestly, but the
// last Release does not free it.
class PanelCallback final : public IIMCallback {
public:
    explicit PanelCallback(InputPanel& panel) : panel_(panel) {}
    virtual ~PanelCallback() = default;
    PanelCallback(const PanelCallback&) = delete;
    PanelCallback& operator=(const PanelCallback&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP SetImInfo(IMINFO* pimi) override;
    STDMETHODIMP SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    STDMETHODIMP SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                UINT* puChars) override;
    STDMETHODIMP SendString(BSTR ptszStr, DWORD dwChars) override;

private:
    InputPanel& panel_;
    LONG references_ = 1;
};
