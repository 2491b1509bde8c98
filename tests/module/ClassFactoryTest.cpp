// The class object over an instance creator: its own module lock, the
// checks of CreateInstance, and LockServer.
#include "module/ClassFactory.h"

#include <gtest/gtest.h>

#include "module/ComPtr.h"
#include "module/Module.h"

namespace {

// A stand-in instance: holds a module lock while alive, as the controls do,
// and remembers which outer unknown its creator was given.
class Probe final : public IUnknown {
  public:
    static inline IUnknown* lastOuter = nullptr;
    static inline int creations = 0;

    static HRESULT Create(IUnknown* outer, REFIID iid, void** ppv) {
        ++creations;
        lastOuter = outer;
        ComPtr<Probe> probe;
        probe.Attach(new Probe);
        return probe->QueryInterface(iid, ppv);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        *ppv = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown)) return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = --refs_;
        if (refs == 0) delete this;
        return refs;
    }

  private:
    Probe() { Module::Lock(); }
    ~Probe() { Module::Unlock(); }
    ULONG refs_ = 1;
};

class ClassFactory : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, CClassFactory::Create(&Probe::Create, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
        Probe::creations = 0;
        Probe::lastOuter = nullptr;
        baseline = Module::LockCount();
    }

    ComPtr<IClassFactory> factory;  // plays the cache: the first reference
    LONG baseline = 0;
};

TEST_F(ClassFactory, HoldsAModuleLockOnlyWhileSomebodyBesidesTheCacheHoldsIt) {
    {
        ComPtr<IClassFactory> outside = factory;
        EXPECT_EQ(baseline + 1, Module::LockCount());
        ComPtr<IUnknown> another;
        ASSERT_EQ(S_OK, factory.As(&another));
        EXPECT_EQ(baseline + 1, Module::LockCount());
    }
    EXPECT_EQ(baseline, Module::LockCount());
}

TEST_F(ClassFactory, RefusesANullOutPointer) {
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));
    EXPECT_EQ(0, Probe::creations);
}

TEST_F(ClassFactory, PassesTheOuterUnknownToTheCreator) {
    ComPtr<IClassFactory> outer;
    ASSERT_EQ(S_OK, CClassFactory::Create(&Probe::Create, IID_PPV_ARGS(outer.ReleaseAndGetAddressOf())));
    ComPtr<IUnknown> inner;
    EXPECT_EQ(S_OK, factory->CreateInstance(outer.Get(), IID_PPV_ARGS(inner.ReleaseAndGetAddressOf())));
    EXPECT_EQ(static_cast<IUnknown*>(outer.Get()), Probe::lastOuter);
}

TEST_F(ClassFactory, RefusesAnAggregatedInstanceAskedForAnythingButIUnknown) {
    ComPtr<IClassFactory> outer;
    ASSERT_EQ(S_OK, CClassFactory::Create(&Probe::Create, IID_PPV_ARGS(outer.ReleaseAndGetAddressOf())));
    void* instance = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.Get(), IID_IClassFactory, &instance));
    EXPECT_EQ(nullptr, instance);
    EXPECT_EQ(0, Probe::creations);
}

TEST_F(ClassFactory, LockServerHoldsTheModuleUntilTheMatchingUnlock) {
    ASSERT_EQ(S_OK, factory->LockServer(TRUE));
    ASSERT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(baseline + 2, Module::LockCount());
    factory->LockServer(FALSE);
    EXPECT_EQ(baseline + 1, Module::LockCount());
    factory->LockServer(FALSE);
    EXPECT_EQ(baseline, Module::LockCount());
}

TEST_F(ClassFactory, AStrayUnlockCannotLetALiveInstanceGoUncounted) {
    ASSERT_EQ(0, baseline) << "a lock leaked from an earlier test";
    factory->LockServer(FALSE);
    EXPECT_EQ(0, Module::LockCount());
    ComPtr<IUnknown> instance;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_PPV_ARGS(instance.ReleaseAndGetAddressOf())));
    EXPECT_EQ(1, Module::LockCount());
}

}  // namespace
