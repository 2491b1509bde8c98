// The lock count and the answers seen from outside: registration/DllExportsTest.
#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <utility>
#include <vector>

#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "module/Module.h"
#include "module/TypeLibRegistration.h"

namespace {

class ClassObjects : public testing::Test {
  protected:
    static HRESULT Get(REFCLSID clsid, REFIID iid, void** ppv) {
        return Module::Object().GetClassObject(clsid, iid, ppv);
    }

    CComPtr<IClassFactory> Factory(REFCLSID clsid) {
        CComPtr<IClassFactory> factory;
        EXPECT_EQ(S_OK, Get(clsid, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
        return factory;
    }
};

// COM's rule: an aggregated object hands its outer object only its own
// unknown. The pane is never aggregated; the bar's delegation:
// control/InterfaceMapTest.
TEST_F(ClassObjects, RefuseAnInstanceWithoutAnOutPointerAnAggregatedPaneAndAnAggregatedBarAskedForMore) {
    EXPECT_EQ(E_POINTER, Factory(CLSID_DeviceTransfer)->CreateInstance(nullptr, IID_IUnknown, nullptr));
    CComPtr<IUnknown> outer;
    ASSERT_EQ(S_OK, Factory(CLSID_MenuCtrl)->CreateInstance(nullptr, IID_PPV_ARGS(outer.ReleaseAndGetAddressOf())));
    for (const auto& [clsid, iid] :
         {std::pair{&CLSID_MenuCtrl, &IID_IDispatch}, {&CLSID_DeviceTransfer, &IID_IUnknown}}) {
        void* instance = reinterpret_cast<void*>(1);
        EXPECT_EQ(CLASS_E_NOAGGREGATION, Factory(*clsid)->CreateInstance(outer.Get(), *iid, &instance));
        EXPECT_EQ(nullptr, instance);
    }
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

// The entry point's work (DllMain passes every notification on), on a
// module object of its own.
TEST(ModuleEntryPoint, AnswersTrueKeepsServingWhenInitialisationFailsAndReleasesItsClassObjectsAtDetach) {
    CModule module;
    const HINSTANCE before = module.Instance();
    EXPECT_EQ(E_INVALIDARG, module.Init(nullptr));
    for (const DWORD reason : {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH})
        EXPECT_EQ(TRUE, module.OnEntryPoint(nullptr, reason)) << "reason " << reason;
    EXPECT_EQ(before, module.Instance());
    CComPtr<IClassFactory> factory;
    EXPECT_EQ(S_OK, module.GetClassObject(CLSID_DeviceTransfer, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
    EXPECT_EQ(TRUE, module.OnEntryPoint(nullptr, DLL_PROCESS_DETACH));
    EXPECT_EQ(0u, factory.Detach()->Release()) << "the cached class object outlived the detach";
}

TEST(TypeLibLocation, HelpDirectoryKeepsThePathUpToItsLastSeparatorAndFallbackChangesTheExtension) {
    EXPECT_EQ(L"C:\\Program Files\\Lanthorn\\", HelpDirectoryOf(L"C:\\Program Files\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"Z:/build/x64/", HelpDirectoryOf(L"Z:/build/x64/Kestrel.dll"));
    EXPECT_EQ(L"C:", HelpDirectoryOf(L"C:Kestrel.dll"));
    EXPECT_EQ(L"", HelpDirectoryOf(L"Kestrel.dll"));
    // The fallback replaces only the file name's extension.
    EXPECT_EQ(L"C:\\Lanthorn\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"C:\\Lanthorn 1.2\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn 1.2\\Kestrel"));
}

}  // namespace
