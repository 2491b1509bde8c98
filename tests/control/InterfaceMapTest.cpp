#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/Module.h"

#include <oleacc.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr IID kIID_IObjectSafety = GuidFromText("CB5BDC81-93C1-11CF-8F20-00805F2CD064");

// Which control answers which interface: 'P' the pane, 'M' the menu bar.
const struct {
    const IID* iid;
    const char* name;
    const char* answeredBy;
} kInterfaces[] = {
    {&IID_IDummyDispatch, "IDummyDispatch", "P"},
    {&IID_IDeviceTransfer, "IDeviceTransfer", "P"},
    {&IID_IMenuCtrl, "IMenuCtrl", "M"},
    {&IID_IDispatch, "IDispatch", "PM"},
    {&IID_IViewObjectEx, "IViewObjectEx", "PM"},
    {&IID_IViewObject2, "IViewObject2", "PM"},
    {&IID_IViewObject, "IViewObject", "PM"},
    {&IID_IOleInPlaceObjectWindowless, "IOleInPlaceObjectWindowless", "PM"},
    {&IID_IOleInPlaceObject, "IOleInPlaceObject", "PM"},
    {&IID_IOleWindow, "IOleWindow", "PM"},
    {&IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject", "PM"},
    {&IID_IOleControl, "IOleControl", "PM"},
    {&IID_IOleObject, "IOleObject", "PM"},
    {&IID_IPersistStreamInit, "IPersistStreamInit", "PM"},
    {&IID_IPersist, "IPersist", "PM"},
    {&IID_IConnectionPointContainer, "IConnectionPointContainer", "PM"},
    {&IID_ISpecifyPropertyPages, "ISpecifyPropertyPages", "P"},
    {&IID_IQuickActivate, "IQuickActivate", "PM"},
    {&IID_IPersistStorage, "IPersistStorage", "PM"},
    {&IID_IDataObject, "IDataObject", "PM"},
    {&IID_IProvideClassInfo, "IProvideClassInfo", "PM"},
    {&IID_IProvideClassInfo2, "IProvideClassInfo2", "PM"},
    {&IID_IAccessible, "IAccessible", "P"},
    {&IID_IAccessibleOwner, "IAccessibleOwner", "P"},
    {&IID_IPluginText, "IPluginText", "P"},
    {&IID_IDropTarget, "IDropTarget", ""},
    {&IID_IPersistPropertyBag, "IPersistPropertyBag", ""},
    {&kIID_IObjectSafety, "IObjectSafety", ""},
    {&IID_ISupportErrorInfo, "ISupportErrorInfo", ""},
};

// Every interface answered leads back to the one identity; every other is
// refused with a null pointer.
void ExpectInterfaceMap(IUnknown* control, char letter) {
    const CComPtr<IUnknown> identity = Ask<IUnknown>(control, IID_IUnknown);
    for (const auto& entry : kInterfaces) {
        const bool answers = std::strchr(entry.answeredBy, letter) != nullptr;
        void* answer = reinterpret_cast<void*>(1);
        EXPECT_EQ(answers ? S_OK : E_NOINTERFACE, control->QueryInterface(*entry.iid, &answer)) << entry.name;
        if (!answers || answer == nullptr || answer == reinterpret_cast<void*>(1)) {
            EXPECT_EQ(answers, answer != nullptr) << entry.name;
            continue;
        }
        auto* unknown = static_cast<IUnknown*>(answer);
        EXPECT_EQ(identity.Get(), Ask<IUnknown>(unknown, IID_IUnknown).Get()) << entry.name;
        unknown->Release();
    }
}

// An object that aggregates a control, as a host's extended control does.
class OuterObject final : public IUnknown {
  public:
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
    CComPtr<IUnknown> m_pInner;
};

// The pane's IDispatch is its accessible object's, not its identity's; the
// bar's is IMenuCtrl.
TEST(ControlInterfaces, EachControlAnswersItsListWithOneIdentity) {
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer), bar = NewControl(CreateMenuCtrl);
    ASSERT_TRUE(pane && bar);
    ExpectInterfaceMap(pane.Get(), 'P');
    ExpectInterfaceMap(bar.Get(), 'M');
    const CComPtr<IUnknown> dispatch = Ask<IUnknown>(pane.Get(), IID_IDispatch);
    EXPECT_EQ(pane.Get(), Ask<IUnknown>(pane.Get(), IID_IDummyDispatch).Get());
    EXPECT_NE(pane.Get(), dispatch.Get());
    EXPECT_EQ(Ask<IUnknown>(pane.Get(), IID_IAccessible).Get(), dispatch.Get());
    EXPECT_EQ(bar.Get(), Ask<IUnknown>(bar.Get(), IID_IMenuCtrl).Get());
    EXPECT_EQ(bar.Get(), Ask<IUnknown>(bar.Get(), IID_IDispatch).Get());
}

// Refused aggregation, through the class objects: module/ModuleObjectTest.
TEST(MenuCtrlAggregation, EveryInterfaceOfTheBarDelegatesToTheOuterObjectAndReleasingTheInnerDestroysIt) {
    const LONG locks = Module::LockCount();
    OuterObject outer;
    ASSERT_HRESULT_SUCCEEDED(outer.Aggregate(CreateMenuCtrl));
    EXPECT_EQ(locks + 1, Module::LockCount());
    const LONG before = outer.References();
    {
        const CComPtr<IMenuCtrl> bar = Ask<IMenuCtrl>(&outer, IID_IMenuCtrl);
        ASSERT_TRUE(bar);
        EXPECT_EQ(before + 1, outer.References());
        EXPECT_EQ(static_cast<IUnknown*>(&outer), Ask<IUnknown>(bar.Get(), IID_IUnknown).Get());
        const CComPtr<IOleObject> object = Ask<IOleObject>(bar.Get(), IID_IOleObject);
        ASSERT_TRUE(object);
        EXPECT_EQ(static_cast<IUnknown*>(&outer), Ask<IUnknown>(object.Get(), IID_IUnknown).Get());
    }
    outer.DropInner();
    EXPECT_EQ(locks, Module::LockCount());
}

// The bar's dual interface as a script host calls it, through the type library.
DISPID IdOfName(IDispatch* dispatch, const wchar_t* name) {
    DISPID id = 12345;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return SUCCEEDED(hr) ? id : hr;
}

TEST(MenuDispatch, StockColoursAreReachedByNameAndDispid) {
    const CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const CComPtr<IDispatch> dispatch = Ask<IDispatch>(bar.Get(), IID_IDispatch);
    EXPECT_EQ(DISPID_BACKCOLOR, IdOfName(dispatch.Get(), L"BackColor"));
    EXPECT_EQ(DISPID_FORECOLOR, IdOfName(dispatch.Get(), L"ForeColor"));

    VARIANT colour;
    VariantInit(&colour);
    V_VT(&colour) = VT_I4;
    V_I4(&colour) = 0x00112233;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put{&colour, &named, 1, 1};
    ASSERT_EQ(S_OK, dispatch->Invoke(DISPID_BACKCOLOR, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &put,
                                     nullptr, nullptr, nullptr));
    OLE_COLOR stored = 0;
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->get_BackColor(&stored);
    EXPECT_EQ(0x00112233u, stored);
}

}  // namespace
