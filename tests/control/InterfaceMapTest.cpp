// Which interfaces each control answers, the identity rules, aggregation
// and the module lock that every live control holds.
#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/Module.h"

#include <oleacc.h>

#include <gtest/gtest.h>

namespace {

constexpr IID kIID_IObjectSafety = GuidFromText("CB5BDC81-93C1-11CF-8F20-00805F2CD064");

struct NamedIid {
    const IID* iid;
    const char* name;
};

const NamedIid kPaneInterfaces[] = {
    {&IID_IDummyDispatch, "IDummyDispatch"},
    {&IID_IDeviceTransfer, "IDeviceTransfer"},
    {&IID_IDispatch, "IDispatch"},
    {&IID_IViewObjectEx, "IViewObjectEx"},
    {&IID_IViewObject2, "IViewObject2"},
    {&IID_IViewObject, "IViewObject"},
    {&IID_IOleInPlaceObjectWindowless, "IOleInPlaceObjectWindowless"},
    {&IID_IOleInPlaceObject, "IOleInPlaceObject"},
    {&IID_IOleWindow, "IOleWindow"},
    {&IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject"},
    {&IID_IOleControl, "IOleControl"},
    {&IID_IOleObject, "IOleObject"},
    {&IID_IPersistStreamInit, "IPersistStreamInit"},
    {&IID_IPersist, "IPersist"},
    {&IID_IConnectionPointContainer, "IConnectionPointContainer"},
    {&IID_ISpecifyPropertyPages, "ISpecifyPropertyPages"},
    {&IID_IQuickActivate, "IQuickActivate"},
    {&IID_IPersistStorage, "IPersistStorage"},
    {&IID_IDataObject, "IDataObject"},
    {&IID_IProvideClassInfo, "IProvideClassInfo"},
    {&IID_IProvideClassInfo2, "IProvideClassInfo2"},
    {&IID_IAccessible, "IAccessible"},
    {&IID_IAccessibleOwner, "IAccessibleOwner"},
    {&IID_IPluginText, "IPluginText"},
};

const NamedIid kMenuInterfaces[] = {
    {&IID_IMenuCtrl, "IMenuCtrl"},
    {&IID_IDispatch, "IDispatch"},
    {&IID_IViewObjectEx, "IViewObjectEx"},
    {&IID_IViewObject2, "IViewObject2"},
    {&IID_IViewObject, "IViewObject"},
    {&IID_IOleInPlaceObjectWindowless, "IOleInPlaceObjectWindowless"},
    {&IID_IOleInPlaceObject, "IOleInPlaceObject"},
    {&IID_IOleWindow, "IOleWindow"},
    {&IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject"},
    {&IID_IOleControl, "IOleControl"},
    {&IID_IOleObject, "IOleObject"},
    {&IID_IPersistStreamInit, "IPersistStreamInit"},
    {&IID_IPersist, "IPersist"},
    {&IID_IConnectionPointContainer, "IConnectionPointContainer"},
    {&IID_IQuickActivate, "IQuickActivate"},
    {&IID_IPersistStorage, "IPersistStorage"},
    {&IID_IDataObject, "IDataObject"},
    {&IID_IProvideClassInfo, "IProvideClassInfo"},
    {&IID_IProvideClassInfo2, "IProvideClassInfo2"},
};

const NamedIid kRefusedByBoth[] = {
    {&IID_IDropTarget, "IDropTarget"},
    {&IID_IPersistPropertyBag, "IPersistPropertyBag"},
    {&kIID_IObjectSafety, "IObjectSafety"},
    {&IID_ISupportErrorInfo, "ISupportErrorInfo"},
};

template <std::size_t N>
void ExpectAnswersEach(IUnknown* control, const NamedIid (&interfaces)[N]) {
    const ComPtr<IUnknown> identity = Ask<IUnknown>(control, IID_IUnknown);
    for (const NamedIid& entry : interfaces) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(S_OK, control->QueryInterface(*entry.iid, reinterpret_cast<void**>(answer.ReleaseAndGetAddressOf())))
            << entry.name;
        if (!answer) continue;
        // Every interface leads back to the one identity.
        EXPECT_EQ(identity.Get(), Ask<IUnknown>(answer.Get(), IID_IUnknown).Get()) << entry.name;
    }
}

template <std::size_t N>
void ExpectRefusesEach(IUnknown* control, const NamedIid (&interfaces)[N]) {
    for (const NamedIid& entry : interfaces) {
        void* answer = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, control->QueryInterface(*entry.iid, &answer)) << entry.name;
        EXPECT_EQ(nullptr, answer) << entry.name;
    }
}

// An object that aggregates a control, as a host's extended control does.
class OuterObject final : public IUnknown {
  public:
    ~OuterObject() { m_pInner.Reset(); }

    HRESULT Aggregate(ControlCreator creator) {
        return creator(this, IID_IUnknown, reinterpret_cast<void**>(m_pInner.ReleaseAndGetAddressOf()));
    }
    void DropInner() { m_pInner.Reset(); }
    LONG References() const { return m_cRefs; }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown)) {
            *ppv = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        if (!m_pInner) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        return m_pInner->QueryInterface(iid, ppv);
    }
    // Lives on the test's stack: the count is only watched.
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_cRefs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_cRefs; }

  private:
    LONG m_cRefs = 1;
    ComPtr<IUnknown> m_pInner;
};

TEST(DeviceTransferInterfaces, AnswersItsListWithIdentityIDummyDispatchAndAnotherIDispatchObject) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    ASSERT_TRUE(pane);
    ExpectAnswersEach(pane.Get(), kPaneInterfaces);
    ExpectRefusesEach(pane.Get(), kRefusedByBoth);
    const ComPtr<IUnknown> dummy = Ask<IUnknown>(pane.Get(), IID_IDummyDispatch);
    const ComPtr<IUnknown> dispatch = Ask<IUnknown>(pane.Get(), IID_IDispatch);
    EXPECT_EQ(pane.Get(), dummy.Get());
    EXPECT_NE(dummy.Get(), dispatch.Get());
    EXPECT_EQ(Ask<IUnknown>(pane.Get(), IID_IAccessible).Get(), dispatch.Get());
}

TEST(MenuCtrlInterfaces, AnswersItsListWithIdentityIMenuCtrlWhichIsAlsoItsIDispatch) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    ASSERT_TRUE(bar);
    ExpectAnswersEach(bar.Get(), kMenuInterfaces);
    ExpectRefusesEach(bar.Get(), kRefusedByBoth);
    const NamedIid pages[] = {{&IID_ISpecifyPropertyPages, "ISpecifyPropertyPages"}};
    ExpectRefusesEach(bar.Get(), pages);
    EXPECT_EQ(bar.Get(), Ask<IUnknown>(bar.Get(), IID_IMenuCtrl).Get());
    EXPECT_EQ(bar.Get(), Ask<IUnknown>(bar.Get(), IID_IDispatch).Get());
}

// Refused aggregation, through the class objects: registration/DllExportsTest
// and module/ClassObjectsTest.
TEST(MenuCtrlAggregation, EveryInterfaceOfTheBarDelegatesToTheOuterObject) {
    OuterObject outer;
    ASSERT_HRESULT_SUCCEEDED(outer.Aggregate(CreateMenuCtrl));
    const LONG before = outer.References();

    const ComPtr<IMenuCtrl> bar = Ask<IMenuCtrl>(&outer, IID_IMenuCtrl);
    ASSERT_TRUE(bar);
    EXPECT_EQ(before + 1, outer.References());
    EXPECT_EQ(static_cast<IUnknown*>(&outer), Ask<IUnknown>(bar.Get(), IID_IUnknown).Get());
    const ComPtr<IOleObject> object = Ask<IOleObject>(bar.Get(), IID_IOleObject);
    ASSERT_TRUE(object);
    EXPECT_EQ(static_cast<IUnknown*>(&outer), Ask<IUnknown>(object.Get(), IID_IUnknown).Get());
}

TEST(MenuCtrlAggregation, ReleasingTheInnerUnknownDestroysTheBar) {
    const LONG locks = Module::LockCount();
    OuterObject outer;
    ASSERT_HRESULT_SUCCEEDED(outer.Aggregate(CreateMenuCtrl));
    EXPECT_EQ(locks + 1, Module::LockCount());
    outer.DropInner();
    EXPECT_EQ(locks, Module::LockCount());
}

// One module lock per live control: hosting/ContainerEmbeddingTest and the
// aggregation above; a creation for an interface not answered:
// registration/DllExportsTest.

}  // namespace
