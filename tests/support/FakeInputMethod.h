// An input method that records what the input panel asks of it, for tests of the panel and of
// the programs that share the screen with it.
#pragma once

#include "platform/sip/sip.h"

#include <string>
#include <vector>

// Asks for a docked panel 69 pixels high.
class FakeInputMethod final : public IInputMethod {
public:
    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
    STDMETHODIMP_(ULONG) Release() override {
        calls.push_back("Release");
        return static_cast<ULONG>(--references);
    }
    STDMETHODIMP Select(HWND) override { return Record("Select"); }
    STDMETHODIMP Deselect() override { return Record("Deselect"); }
    STDMETHODIMP Showing() override { return Record("Showing"); }
    STDMETHODIMP Hiding() override { return Record("Hiding"); }
    STDMETHODIMP GetInfo(IMINFO* info) override {
        info->fdwFlags = SIPF_DOCKED;
        info->rcSipRect = RECT{0, 0, 130, 69};
        return Record("GetInfo");
    }
    STDMETHODIMP ReceiveSipInfo(SIPINFO* info) override {
        told.push_back(*info);
        return Record("ReceiveSipInfo");
    }
    STDMETHODIMP RegisterCallback(IIMCallback* given) override {
        callback = given;
        return Record("RegisterCallback");
    }
    STDMETHODIMP GetImData(DWORD, void*) override { return E_NOTIMPL; }
    STDMETHODIMP SetImData(DWORD, void*) override { return E_NOTIMPL; }
    STDMETHODIMP UserOptionsDlg(HWND) override { return Record("UserOptionsDlg"); }

    std::vector<std::string> calls;
    std::vector<SIPINFO> told;
    IIMCallback* callback = nullptr;
    LONG references = 1;

private:
    HRESULT Record(const char* call) {
        calls.push_back(call);
        return S_OK;
    }
};
