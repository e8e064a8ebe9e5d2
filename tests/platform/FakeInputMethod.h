// An input method that records what the input panel calls, in the manner of a test sink.
#pragma once

#include "platform/sip.h"

#include <string>
#include <vector>

class FakeInputMethod final : public IInputMethod {
public:
    virtual ~FakeInputMethod() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Select(HWND hwndSip) override;
    STDMETHODIMP Deselect() override;
    STDMETHODIMP Showing() override;
    STDMETHODIMP Hiding() override;
    STDMETHODIMP GetInfo(IMINFO* pimi) override;
    STDMETHODIMP ReceiveSipInfo(SIPINFO* psi) override;
    STDMETHODIMP RegisterCallback(IIMCallback* lpIMCallback) override;
    STDMETHODIMP GetImData(DWORD dwSize, void* pvImData) override;
    STDMETHODIMP SetImData(DWORD dwSize, void* pvImData) override;
    STDMETHODIMP UserOptionsDlg(HWND hwndParent) override;

    // What was asked, in order: "Select", "GetInfo", ...
    std::vector<std::string> calls;
    HRESULT selectResult = S_OK;
    RECT requestedRect{0, 0, 130, 69};
    HWND panel = nullptr;
    IIMCallback* callback = nullptr;
    std::vector<SIPINFO> sipInfos;
    LONG references = 1;
};
