// The four functions the library exports to COM and to regsvr32.
#include "imserver/InputMethodClassFactory.h"
#include "imserver/Registration.h"
#include "imserver/ServerModule.h"

#include <new>

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!IsEqualCLSID(clsid, CLSID_Plinkerpad))
        return CLASS_E_CLASSNOTAVAILABLE;
    InputMethodClassFactory* factory = new (std::nothrow) InputMethodClassFactory();
    if (factory == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow() {
    return ModuleObjectCount == 0 && ModuleLockCount == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    return RegisterServer();
}

STDAPI DllUnregisterServer() {
    return UnregisterServer();
}
