// The library as a COM server: class factory, object, reference counts and error codes.
#include "tests/support/ImServerHarness.h"

#include <gtest/gtest.h>

namespace {

constexpr GUID Unknown = {0, 0, 0, {0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF}};

template <typename T> void** Out(T** pointer) {
    return reinterpret_cast<void**>(pointer);
}

// Refused requests answer null, but a refused creation leaves the caller's pointer alone. Only
// objects and server locks keep the library loaded, not factories; an unlock without a lock
// counts for nothing.
TEST(ComServer, FactoryAndObjectCountTheirReferencesAndRefuseWhatTheyAreNot) {
    PlinkerpadDll dll;
    const auto canUnloadNow = [&dll] { return dll.Call("DllCanUnloadNow"); };
    IClassFactory* factory = nullptr;
    ASSERT_EQ(dll.GetClassObject(CLSID_Plinkerpad, IID_IClassFactory, Out(&factory)), S_OK);
    void* out = &dll;
    EXPECT_EQ(dll.GetClassObject(CLSID_Plinkerpad, IID_IInputMethod, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(dll.GetClassObject(Unknown, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    out = &dll;
    EXPECT_EQ(factory->QueryInterface(Unknown, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    RecordingCallback outer;
    out = &dll;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, &dll);
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(canUnloadNow(), S_OK);
    for (BOOL lock : {TRUE, TRUE, FALSE}) {
        EXPECT_EQ(factory->LockServer(lock), S_OK);
        EXPECT_EQ(canUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(canUnloadNow(), S_OK);
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, Out(&object)), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "an unlock too many unloads a live object";
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    IInputMethod* method = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IInputMethod, Out(&method)), S_OK);
    EXPECT_EQ(method->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(method->AddRef(), 3u);
    EXPECT_EQ(method->Release(), 2u);
    EXPECT_EQ(method->Release(), 1u);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

} // namespace
