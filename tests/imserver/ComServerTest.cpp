// The library as a COM server: class factory, object, reference counts and error codes.
#include "tests/imserver/ImServerHarness.h"

#include <gtest/gtest.h>

namespace {

// {00000000-0000-0000-0000-0000DEADBEEF}: no class or interface of the library.
constexpr GUID Unknown = {0, 0, 0, {0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF}};

class ComServer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dll.Module, nullptr);
        ASSERT_EQ(
            dll.GetClassObject(TestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            S_OK);
    }
    void TearDown() override {
        if (factory != nullptr)
            factory->Release();
    }
    HRESULT CanUnloadNow() const { return dll.Call("DllCanUnloadNow"); }
    PlinkerpadDll dll;
    IClassFactory* factory = nullptr;
    void* out = reinterpret_cast<void*>(1);
};

TEST_F(ComServer, UnknownClassesAndInterfacesAreRefused) {
    EXPECT_EQ(dll.GetClassObject(Unknown, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(dll.GetClassObject(TestClsid, IID_IInputMethod, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->QueryInterface(Unknown, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    RecordingCallback outer;
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, reinterpret_cast<void*>(1)); // left unwritten
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST_F(ComServer, FactoryCountsItsReferences) {
    IUnknown* unknown = nullptr;
    ASSERT_EQ(factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(factory->AddRef(), 3u);
    EXPECT_EQ(factory->Release(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(CanUnloadNow(), S_OK); // factories do not keep the library loaded
}

TEST_F(ComServer, ObjectKeepsTheLibraryLoadedUntilItsLastRelease) {
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)),
              S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    IInputMethod* method = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IInputMethod, reinterpret_cast<void**>(&method)), S_OK);
    EXPECT_EQ(static_cast<void*>(method), static_cast<void*>(object));
    EXPECT_EQ(method->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(method->AddRef(), 3u);
    EXPECT_EQ(method->Release(), 2u);
    EXPECT_EQ(method->Release(), 1u);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST_F(ComServer, ServerLocksKeepTheLibraryLoaded) {
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

} // namespace
