#include "FakeInputMethod.h"

STDMETHODIMP FakeInputMethod::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInputMethod)) {
        *object = this;
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) FakeInputMethod::AddRef() {
    return static_cast<ULONG>(++references);
}

STDMETHODIMP_(ULONG) FakeInputMethod::Release() {
    calls.push_back("Release");
    return static_cast<ULONG>(--references);
}

STDMETHODIMP FakeInputMethod::Select(HWND hwndSip) {
    calls.push_back("Select");
    panel = hwndSip;
    return selectResult;
}

STDMETHODIMP FakeInputMethod::Deselect() {
    calls.push_back("Deselect");
    return S_OK;
}

STDMETHODIMP FakeInputMethod::Showing() {
    calls.push_back("Showing");
    return S_OK;
}

STDMETHODIMP FakeInputMethod::Hiding() {
    calls.push_back("Hiding");
    return S_OK;
}

STDMETHODIMP FakeInputMethod::GetInfo(IMINFO* pimi) {
    calls.push_back("GetInfo");
    pimi->fdwFlags = SIPF_DOCKED;
    pimi->rcSipRect = requestedRect;
    return S_OK;
}

STDMETHODIMP FakeInputMethod::ReceiveSipInfo(SIPINFO* psi) {
    calls.push_back("ReceiveSipInfo");
    sipInfos.push_back(*psi);
    return S_OK;
}

STDMETHODIMP FakeInputMethod::RegisterCallback(IIMCallback* lpIMCallback) {
    calls.push_back("RegisterCallback");
    callback = lpIMCallback;
    return S_OK;
}

STDMETHODIMP FakeInputMethod::GetImData(DWORD, void*) {
    return E_FAIL;
}

STDMETHODIMP FakeInputMethod::SetImData(DWORD, void*) {
    return S_OK;
}

STDMETHODIMP FakeInputMethod::UserOptionsDlg(HWND) {
    calls.push_back("UserOptionsDlg");
    return S_OK;
}
