// The pane's IDispatch by name, as clients that hold the control use it:
// coercions, by-reference outputs and the error codes.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/PaneHost.h"

namespace {

class PaneDispatch : public PaneTest {
  protected:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(pane_.As(IID_IDispatch, &dispatch)); }
    void TearDown() override {
        for (VARIANT& v : arguments) VariantClear(&v);
        VariantClear(&result);
        PaneTest::TearDown();
    }

    // Invoke with `arguments` (block order: last parameter first) and the
    // named DISPIDs.
    HRESULT Call(DISPID dispid, WORD flags, std::vector<DISPID> named = {}) {
        VariantClear(&result);
        argumentError = 99;
        DISPPARAMS params{arguments.data(), named.data(), static_cast<UINT>(arguments.size()),
                          static_cast<UINT>(named.size())};
        return dispatch->Invoke(dispid, IID_NULL, 0, flags, &params, &result, nullptr, &argumentError);
    }
    static VARIANT Text(const wchar_t* text) {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = SysAllocString(text);
        return v;
    }
    static VARIANT Ref(VARTYPE type, void* target) {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = static_cast<VARTYPE>(VT_BYREF | type);
        V_BYREF(&v) = target;
        return v;
    }

    ComPtr<IDispatch> dispatch;
    std::vector<VARIANT> arguments;
    VARIANT result{};
    UINT argumentError = 99;
};

TEST_F(PaneDispatch, InvokeReachesThePaneAndTheStandardObjectAndReportsItsErrors) {
    EXPECT_FALSE(dispatch.Get() == container_->Control()) << "the identity's IDispatch has no members";
    EXPECT_EQ(S_OK, Call(DISPID_ACC_CHILDCOUNT, DISPATCH_PROPERTYGET));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(0, V_I4(&result));  // not connected
    // An unknown member and a missing parameter block: robustness/BadInputTest.

    arguments = {Variant::Int32(CHILDID_SELF).get()};
    EXPECT_EQ(S_OK, Call(DISPID_ACC_ROLE, DISPATCH_PROPERTYGET));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, V_I4(&result));
    EXPECT_EQ(S_OK, Call(DISPID_ACC_NAME, DISPATCH_PROPERTYGET | DISPATCH_METHOD));
    EXPECT_EQ(VT_BSTR, V_VT(&result));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(DISPID_ACC_CHILDCOUNT, DISPATCH_PROPERTYGET));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(DISPID_ACC_NAME, DISPATCH_PROPERTYGET, {2}));
    // Without a result or an argument-error pointer the call still works.
    DISPPARAMS params{arguments.data(), nullptr, 1, 0};
    EXPECT_EQ(S_OK, dispatch->Invoke(DISPID_ACC_DESCRIPTION, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, nullptr,
                                     nullptr, nullptr));

    // Hit test of two texts, coerced; a coordinate that is no number is refused.
    POINT inside{4, 4};
    ClientToScreen(Window(), &inside);
    arguments = {Text(std::to_wstring(inside.y).c_str()), Text(std::to_wstring(inside.x).c_str())};
    EXPECT_EQ(S_OK, Call(DISPID_ACC_HITTEST, DISPATCH_METHOD));
    EXPECT_EQ(CHILDID_SELF, V_I4(&result));
    VariantClear(&arguments[0]);
    arguments[0] = Text(L"top");
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(DISPID_ACC_HITTEST, DISPATCH_METHOD));
    EXPECT_EQ(1u, argumentError);
    EXPECT_EQ(VT_EMPTY, V_VT(&result));
}

TEST_F(PaneDispatch, LocationWritesThroughTheCallersReferences) {
    LONG left = -1, top = -1;
    VARIANT width, height;
    VariantInit(&width);
    V_VT(&height) = VT_BSTR;
    V_BSTR(&height) = SysAllocString(L"replaced");
    arguments = {Variant::Int32(CHILDID_SELF).get(), Ref(VT_VARIANT, &height), Ref(VT_VARIANT, &width),
                 Ref(VT_I4, &top), Ref(VT_I4, &left)};
    ASSERT_EQ(S_OK, Call(DISPID_ACC_LOCATION, DISPATCH_METHOD));
    RECT client{};
    GetClientRect(Window(), &client);
    POINT origin{0, 0};
    ClientToScreen(Window(), &origin);
    EXPECT_EQ(origin.x, left);
    EXPECT_EQ(origin.y, top);
    EXPECT_EQ(VT_I4, V_VT(&width));
    EXPECT_EQ(client.right, V_I4(&width));
    EXPECT_EQ(VT_I4, V_VT(&height));
    EXPECT_EQ(client.bottom, V_I4(&height));
    VariantClear(&height);

    // An output too narrow for a LONG is refused untouched (the other
    // arrangements: ArgumentArrangementTest).
    short narrow = 5;
    arguments[1] = Ref(VT_I2, &narrow);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(DISPID_ACC_LOCATION, DISPATCH_METHOD));
    EXPECT_EQ(3u, argumentError);
    EXPECT_EQ(5, narrow);
}

}  // namespace
