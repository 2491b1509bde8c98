#include <windows.h>

#include <gtest/gtest.h>

#include "support/KestrelDll.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

namespace {

class DllExports : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dll.Loaded());
        ASSERT_EQ(S_OK, dll.CanUnloadNow()) << "something still holds the DLL";
    }

    CComPtr<IClassFactory> Factory(REFCLSID clsid) {
        CComPtr<IClassFactory> factory;
        EXPECT_EQ(S_OK, dll.GetClassObject(clsid, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
        return factory;
    }

    CKestrelDll dll{KestrelDllPath()};
};

TEST_F(DllExports, CanUnloadNowOnlyWhenNoInstanceClassObjectOrServerLockRemains) {
    CComPtr<IClassFactory> factory = Factory(CLSID_DeviceTransfer);
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow()) << "while a class object is held";

    CComPtr<IUnknown> instance;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_PPV_ARGS(instance.ReleaseAndGetAddressOf())));
    ASSERT_EQ(S_OK, factory->LockServer(TRUE));
    factory.Reset();
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow()) << "while an instance lives and the server is locked";

    instance.Reset();
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow()) << "while the server is locked";

    Factory(CLSID_DeviceTransfer)->LockServer(FALSE);
    EXPECT_EQ(S_OK, dll.CanUnloadNow());
}

TEST_F(DllExports, BadArgumentsAndAnUnsupportedInterfaceLeaveNothingBehind) {
    EXPECT_EQ(E_POINTER, dll.GetClassObject(CLSID_DeviceTransfer, IID_IClassFactory, nullptr));
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, dll.GetClassObject(IID_IDeviceTransfer, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl}) {
        void* instance = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, Factory(*clsid)->CreateInstance(nullptr, IID_IClassFactory, &instance));
        EXPECT_EQ(nullptr, instance);
        EXPECT_EQ(S_OK, dll.CanUnloadNow());
    }
}

}  // namespace
