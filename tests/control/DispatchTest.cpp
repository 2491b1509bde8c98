// The dispatch interfaces served from the module's type library: the
// pane's member-less IDummyDispatch and the bar's dual IMenuCtrl.
#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"

#include <olectl.h>

#include <gtest/gtest.h>

namespace {

DISPID IdOfName(IDispatch* dispatch, const wchar_t* name) {
    DISPID id = 12345;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return SUCCEEDED(hr) ? id : hr;
}

TEST(DummyDispatch, HasOneTypeInfoFromTheTypeLibraryAndNoMembers) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const ComPtr<IDispatch> dummy = Ask<IDispatch>(pane.Get(), IID_IDummyDispatch);

    UINT count = 0;
    ASSERT_EQ(S_OK, dummy->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    ComPtr<ITypeInfo> type;
    ASSERT_EQ(S_OK, dummy->GetTypeInfo(0, LOCALE_USER_DEFAULT, type.ReleaseAndGetAddressOf()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, type->GetTypeAttr(&attributes));
    EXPECT_EQ(IID_IDummyDispatch, attributes->guid);
    type->ReleaseTypeAttr(attributes);

    EXPECT_EQ(DISP_E_UNKNOWNNAME, IdOfName(dummy.Get(), L"accName"));
    DISPPARAMS none{};
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND,
              dummy->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
}

TEST(MenuDispatch, StockColoursAreReachedByNameAndDispid) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const ComPtr<IDispatch> dispatch = Ask<IDispatch>(bar.Get(), IID_IDispatch);
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
