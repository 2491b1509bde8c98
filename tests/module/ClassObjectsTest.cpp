// DllGetClassObject's work in process: each class object is created once,
// also when threads race for it, and checks what CreateInstance is given.
// The lock count and the answers seen from outside: registration/DllExportsTest.
#include <windows.h>

#include <gtest/gtest.h>

#include <future>
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

// COM's rule: an aggregated object hands its outer object only its own unknown.
TEST_F(ClassObjects, RefuseAnInstanceWithoutAnOutPointerAndAnAggregatedOneAskedForAnythingButIUnknown) {
    EXPECT_EQ(E_POINTER, Factory(CLSID_DeviceTransfer)->CreateInstance(nullptr, IID_IUnknown, nullptr));
    ComPtr<IUnknown> outer;
    ASSERT_EQ(S_OK, Factory(CLSID_MenuCtrl)->CreateInstance(nullptr, IID_PPV_ARGS(outer.ReleaseAndGetAddressOf())));
    void* instance = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, Factory(CLSID_MenuCtrl)->CreateInstance(outer.Get(), IID_IDispatch, &instance));
    EXPECT_EQ(nullptr, instance);
}

// Created once and cached, also when threads race for the first creation.
TEST_F(ClassObjects, AreTheSameForThreadsAskingAtOnce) {
    constexpr int kThreads = 8;
    for (int round = 0; round < 50; ++round) {
        Module::Object().Term();  // empties the cache: the race is for the first creation
        std::promise<void> start;
        const std::shared_future<void> started = start.get_future().share();
        std::vector<IUnknown*> seen(kThreads, nullptr);
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&, i] {
                started.wait();
                Get(CLSID_MenuCtrl, IID_IUnknown, reinterpret_cast<void**>(&seen[i]));
            });
        start.set_value();
        for (auto& thread : threads) thread.join();
        for (int i = 0; i < kThreads; ++i) {
            ASSERT_NE(nullptr, seen[i]);
            EXPECT_EQ(seen[0], seen[i]) << "round " << round << ", thread " << i;
        }
        for (IUnknown* object : seen) object->Release();
    }
}

}  // namespace
