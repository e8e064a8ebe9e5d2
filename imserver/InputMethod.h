// The input method object that the soft input panel drives through IInputMethod.
#pragma once

#include "platform/sip/sip.h"

#include "foundation/OwnedHandle.h"
#include "imserver/KeyboardWindow.h"

class InputMethod : public IInputMethod {
public:
    InputMethod();
    virtual ~InputMethod();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Select(HWND panel) override;
    STDMETHODIMP Deselect() override;
    STDMETHODIMP Showing() override;
    STDMETHODIMP Hiding() override;
    STDMETHODIMP GetInfo(IMINFO* info) override;
    STDMETHODIMP ReceiveSipInfo(SIPINFO* info) override;
    STDMETHODIMP RegisterCallback(IIMCallback* callback) override;
    STDMETHODIMP GetImData(DWORD size, void* data) override;
    STDMETHODIMP SetImData(DWORD size, void* data) override;
    STDMETHODIMP UserOptionsDlg(HWND parent) override;

private:
    LONG refCount = 1;
    HWND keyboardWindow = nullptr;
    KeyboardHandOver handOver = {};
    OwnedImageList wideImages;
    OwnedImageList narrowImages;
};
