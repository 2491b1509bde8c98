// The proxy that WM_GETOBJECT hands to clients: one per pane while held, a
// new one after release, the module lock it holds, its pointer checks, and
// its disconnection when the pane's window goes first.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>

#include "accessibility/AccessibilityTestSupport.h"
#include "devicepane/AccessibleProxy.h"
#include "module/Module.h"

namespace {

TEST(AccessibleProxy, RequestsWhileAClientHoldsTheProxyGetTheSameOneAndAReleasedProxyIsReplaced) {
    ActivePane pane;
    const LONG locks = Module::LockCount();
    ComPtr<IAccessible> first = AccessibleOf(pane.Window());
    ComPtr<IAccessibleProxyLink> link;
    EXPECT_HRESULT_SUCCEEDED(first.As(IID_IAccessibleProxyLink, &link));
    EXPECT_EQ(locks + 1, Module::LockCount());
    ComPtr<IAccessible> second = AccessibleOf(pane.Window());
    EXPECT_TRUE(SameObject(first.Get(), second.Get()));
    EXPECT_EQ(locks + 1, Module::LockCount());

    link.Reset();
    first.Reset();
    second.Reset();
    EXPECT_EQ(locks, Module::LockCount());
    ComPtr<IAccessible> third = AccessibleOf(pane.Window());
    ASSERT_TRUE(third);
    EXPECT_EQ(locks + 1, Module::LockCount());
    // Other objects of the window are the system's.
    EXPECT_EQ(0, SendMessageW(pane.Window(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_WINDOW)));
}

TEST(AccessibleProxy, ChecksItsOutPointersThenForwardsToThePane) {
    ActivePane pane;
    ComPtr<IAccessible> proxy = AccessibleOf(pane.Window());
    ASSERT_TRUE(proxy);
    const VARIANT self = ChildId(CHILDID_SELF);
    LONG n = 0;
    BSTR text = nullptr;
    const std::function<HRESULT()> nullOuts[] = {
        [&] { return proxy->get_accChildCount(nullptr); },
        [&] { return proxy->get_accName(self, nullptr); },
        [&] { return proxy->get_accHelpTopic(&text, self, nullptr); },
        [&] { return proxy->accLocation(&n, &n, &n, nullptr, self); },
        [&] { return proxy->accHitTest(1, 1, nullptr); },
    };
    for (const auto& call : nullOuts) EXPECT_EQ(E_POINTER, call());
    VARIANT role;
    VariantInit(&role);
    EXPECT_HRESULT_SUCCEEDED(proxy->get_accRole(self, &role));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, V_I4(&role));  // the standard object's answer
    EXPECT_EQ(E_NOTIMPL, proxy->put_accName(self, nullptr));

    ComPtr<IOleWindow> window;
    ASSERT_HRESULT_SUCCEEDED(proxy.As(IID_IOleWindow, &window));
    HWND handle = nullptr;
    EXPECT_EQ(S_OK, window->GetWindow(&handle));
    EXPECT_EQ(pane.Window(), handle);
    EXPECT_EQ(E_NOTIMPL, window->ContextSensitiveHelp(TRUE));
}

void ExpectDisconnected(IAccessible* proxy) {
    const VARIANT self = ChildId(CHILDID_SELF);
    VARIANT out;
    VariantInit(&out);
    LONG n = 0;
    BSTR text = nullptr;
    IDispatch* dispatch = nullptr;
    DISPID dispid = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"accName");
    DISPPARAMS none{};
    ComPtr<IOleWindow> window;
    ASSERT_HRESULT_SUCCEEDED(
        proxy->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(window.ReleaseAndGetAddressOf())));
    HWND handle = nullptr;
    const std::function<HRESULT()> members[] = {
        [&] { return proxy->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid); },
        [&] { return proxy->Invoke(DISPID_ACC_CHILDCOUNT, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &out, 0, 0); },
        [&] { return proxy->get_accParent(&dispatch); },
        [&] { return proxy->get_accChildCount(&n); },
        [&] { return proxy->get_accName(self, &text); },
        [&] { return proxy->get_accDescription(self, &text); },
        [&] { return proxy->get_accRole(self, &out); },
        [&] { return proxy->accSelect(SELFLAG_TAKEFOCUS, self); },
        [&] { return proxy->accLocation(&n, &n, &n, &n, self); },
        [&] { return proxy->accDoDefaultAction(self); },
        [&] { return proxy->put_accName(self, nullptr); },
        [&] { return proxy->get_accName(self, nullptr); },  // the link is checked first
        [&] { return window->GetWindow(&handle); },
        [&] { return window->ContextSensitiveHelp(FALSE); },
    };
    int index = 0;
    for (const auto& member : members) EXPECT_EQ(RPC_E_DISCONNECTED, member()) << "member " << index++;
}

TEST(AccessibleProxy, AClientHoldingTheProxyAfterThePaneWindowOrThePaneIsGoneIsDisconnected) {
    const LONG locks = Module::LockCount();
    ComPtr<IAccessible> proxy;
    {
        ActivePane pane;
        proxy = AccessibleOf(pane.Window());
        ASSERT_HRESULT_SUCCEEDED(pane.Container().Deactivate());
        ExpectDisconnected(proxy.Get());
        // Reactivated, the pane answers with a new proxy for its new window.
        ASSERT_HRESULT_SUCCEEDED(pane.Container().Activate());
        proxy = AccessibleOf(pane.Window());
        LONG count = -1;
        EXPECT_EQ(S_OK, proxy->get_accChildCount(&count));
    }
    ExpectDisconnected(proxy.Get());
    proxy.Reset();
    EXPECT_EQ(locks, Module::LockCount());
}

}  // namespace
