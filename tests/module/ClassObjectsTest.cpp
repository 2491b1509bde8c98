// DllGetClassObject's work: finding the class in the object map, creating
// its class object once, and the instances made through it.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "module/Module.h"

namespace {

class ClassObjects : public testing::Test {
  protected:
    static HRESULT Get(REFCLSID clsid, REFIID iid, void** ppv) {
        return Module::Object().GetClassObject(clsid, iid, ppv);
    }

    ComPtr<IClassFactory> Factory(REFCLSID clsid) {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(S_OK, Get(clsid, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
        return factory;
    }
};

TEST_F(ClassObjects, RefuseANullOutPointer) {
    EXPECT_EQ(E_POINTER, Get(CLSID_DeviceTransfer, IID_IClassFactory, nullptr));
}

TEST_F(ClassObjects, AreNotAvailableForAnUnknownClass) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, Get(LIBID_KESTRELLib, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
}

TEST_F(ClassObjects, AreCreatedOnceAndCached) {
    EXPECT_EQ(Factory(CLSID_DeviceTransfer).Get(), Factory(CLSID_DeviceTransfer).Get());
    EXPECT_NE(Factory(CLSID_DeviceTransfer).Get(), Factory(CLSID_MenuCtrl).Get());
}

TEST_F(ClassObjects, HoldTheModuleWhileAClientHoldsOne) {
    Factory(CLSID_MenuCtrl);  // the cached object alone holds nothing
    const LONG baseline = Module::LockCount();
    ComPtr<IClassFactory> held = Factory(CLSID_MenuCtrl);
    EXPECT_EQ(baseline + 1, Module::LockCount());
    held.Reset();
    EXPECT_EQ(baseline, Module::LockCount());
}

TEST_F(ClassObjects, MakeInstancesThatHoldTheModuleWhileAlive) {
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl}) {
        ComPtr<IClassFactory> factory = Factory(*clsid);
        const LONG baseline = Module::LockCount();
        ComPtr<IUnknown> instance;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_PPV_ARGS(instance.ReleaseAndGetAddressOf())));
        EXPECT_EQ(baseline + 1, Module::LockCount());
        instance.Reset();
        EXPECT_EQ(baseline, Module::LockCount());
    }
}

TEST_F(ClassObjects, DestroyAnInstanceThatLacksTheRequestedInterface) {
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl}) {
        ComPtr<IClassFactory> factory = Factory(*clsid);
        const LONG baseline = Module::LockCount();
        void* instance = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &instance));
        EXPECT_EQ(nullptr, instance);
        EXPECT_EQ(baseline, Module::LockCount());
    }
}

TEST_F(ClassObjects, RefuseToAggregateTheDevicePane) {
    ComPtr<IClassFactory> factory = Factory(CLSID_DeviceTransfer);
    ComPtr<IClassFactory> outer = Factory(CLSID_MenuCtrl);
    void* instance = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.Get(), IID_IUnknown, &instance));
    EXPECT_EQ(nullptr, instance);
}

TEST_F(ClassObjects, AreTheSameForTwoThreadsAskingAtOnce) {
    constexpr int kThreads = 8;
    for (int round = 0; round < 50; ++round) {
        Module::Object().Term();  // empties the cache: the race is for the first creation
        HANDLE start = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::vector<IUnknown*> seen(kThreads, nullptr);
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&, i] {
                WaitForSingleObject(start, INFINITE);
                Get(CLSID_MenuCtrl, IID_IUnknown, reinterpret_cast<void**>(&seen[i]));
            });
        SetEvent(start);
        for (auto& thread : threads) thread.join();
        CloseHandle(start);
        for (int i = 0; i < kThreads; ++i) {
            ASSERT_NE(nullptr, seen[i]);
            EXPECT_EQ(seen[0], seen[i]) << "round " << round << ", thread " << i;
        }
        for (IUnknown* object : seen) object->Release();
    }
}

}  // namespace
