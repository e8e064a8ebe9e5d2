#include "imserver/InputMethodClassFactory.h"

#include "imserver/InputMethod.h"
#include "imserver/ServerModule.h"
#include "platform/sip/sip.h"

#include <new>

STDMETHODIMP InputMethodClassFactory::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) InputMethodClassFactory::AddRef() {
    return InterlockedIncrement(&refCount);
}

STDMETHODIMP_(ULONG) InputMethodClassFactory::Release() {
    const LONG count = InterlockedDecrement(&refCount);
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP InputMethodClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IInputMethod))
        return E_NOINTERFACE;
    if (out == nullptr)
        return E_POINTER;
    InputMethod* object = new (std::nothrow) InputMethod();
    if (object == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
}

// An unlock without a lock changes nothing.
STDMETHODIMP InputMethodClassFactory::LockServer(BOOL lock) {
    if (lock) {
        InterlockedIncrement(&ModuleLockCount);
        return S_OK;
    }
    for (LONG count = ModuleLockCount; count > 0;) {
        const LONG seen = InterlockedCompareExchange(&ModuleLockCount, count - 1, count);
        if (seen == count)
            break;
        count = seen;
    }
    return S_OK;
}
