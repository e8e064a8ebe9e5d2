// The class factory that creates InputMethod objects.
#pragma once

#include <windows.h>
#include <objbase.h>

class InputMethodClassFactory : public IClassFactory {
public:
    InputMethodClassFactory() = default;
    virtual ~InputMethodClassFactory() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    LONG refCount = 1;
};
