#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>

#include "devicepane/AccessibleProxy.h"
#include "module/Module.h"
#include "support/PaneHost.h"

namespace {

bool SameObject(IUnknown* a, IUnknown* b) {
    CComPtr<IUnknown> ua, ub;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ua.ReleaseAndGetAddressOf()));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ub.ReleaseAndGetAddressOf()));
    return ua.Get() == ub.Get();
}

// A pane as the proxy sees it: answers S_FALSE to every member without
// looking at its arguments, and counts the calls that reached it.
class CAnsweringPane final : public IAccessible, public IAccessibleOwner {
  public:
    int m_nCalls = 0;
    HWND m_hWnd = reinterpret_cast<HWND>(0x1234);

    STDMETHODIMP QueryInterface(REFIID, void** ppv) override {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return Answer(); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return Answer(); }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return Answer(); }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return Answer();
    }
    STDMETHODIMP get_accParent(IDispatch**) override { return Answer(); }
    STDMETHODIMP get_accChildCount(LONG*) override { return Answer(); }
    STDMETHODIMP get_accChild(VARIANT, IDispatch**) override { return Answer(); }
    STDMETHODIMP get_accName(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP get_accValue(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP get_accDescription(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP get_accRole(VARIANT, VARIANT*) override { return Answer(); }
    STDMETHODIMP get_accState(VARIANT, VARIANT*) override { return Answer(); }
    STDMETHODIMP get_accHelp(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP get_accHelpTopic(BSTR*, VARIANT, LONG*) override { return Answer(); }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP get_accFocus(VARIANT*) override { return Answer(); }
    STDMETHODIMP get_accSelection(VARIANT*) override { return Answer(); }
    STDMETHODIMP get_accDefaultAction(VARIANT, BSTR*) override { return Answer(); }
    STDMETHODIMP accSelect(LONG, VARIANT) override { return Answer(); }
    STDMETHODIMP accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) override { return Answer(); }
    STDMETHODIMP accNavigate(LONG, VARIANT, VARIANT*) override { return Answer(); }
    STDMETHODIMP accHitTest(LONG, LONG, VARIANT*) override { return Answer(); }
    STDMETHODIMP accDoDefaultAction(VARIANT) override { return Answer(); }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return Answer(); }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return Answer(); }
    STDMETHODIMP SetProxy(IUnknown*) override { return S_OK; }
    STDMETHODIMP GetWindowHandle(HWND* window) override {
        *window = m_hWnd;
        return S_OK;
    }
    STDMETHODIMP Reserved(long*) override { return E_NOTIMPL; }

  private:
    HRESULT Answer() {
        ++m_nCalls;
        return S_FALSE;
    }
};

// Each out pointer is checked by the proxy itself before the pane is asked;
// with every pointer given, the pane's answer comes back unchanged.
TEST(AccessibleProxy, ChecksItsOutPointersBeforeItForwardsToThePane) {
    CComPtr<IAccessibleProxyLink> link;
    ASSERT_EQ(S_OK, CAccessibleProxy::Create(&link));
    CAnsweringPane pane;
    ASSERT_EQ(S_OK, link->SetTarget(&pane, &pane));
    CComPtr<IAccessible> proxy;
    ASSERT_HRESULT_SUCCEEDED(link.As(IID_IAccessible, &proxy));
    const VARIANT self = CVariant::Int32(CHILDID_SELF).get();
    LONG n = 0;
    BSTR text = nullptr;
    IDispatch* dispatch = nullptr;
    VARIANT out{};
    // Each member: with one of its out pointers null, then with all given.
    const struct {
        const char* name;
        std::function<HRESULT(bool)> call;
    } members[] = {
        {"accParent", [&](bool ok) { return proxy->get_accParent(ok ? &dispatch : nullptr); }},
        {"accChildCount", [&](bool ok) { return proxy->get_accChildCount(ok ? &n : nullptr); }},
        {"accChild", [&](bool ok) { return proxy->get_accChild(self, ok ? &dispatch : nullptr); }},
        {"accName", [&](bool ok) { return proxy->get_accName(self, ok ? &text : nullptr); }},
        {"accValue", [&](bool ok) { return proxy->get_accValue(self, ok ? &text : nullptr); }},
        {"accDescription", [&](bool ok) { return proxy->get_accDescription(self, ok ? &text : nullptr); }},
        {"accRole", [&](bool ok) { return proxy->get_accRole(self, ok ? &out : nullptr); }},
        {"accState", [&](bool ok) { return proxy->get_accState(self, ok ? &out : nullptr); }},
        {"accHelp", [&](bool ok) { return proxy->get_accHelp(self, ok ? &text : nullptr); }},
        {"accHelpTopic file", [&](bool ok) { return proxy->get_accHelpTopic(ok ? &text : nullptr, self, &n); }},
        {"accHelpTopic topic", [&](bool ok) { return proxy->get_accHelpTopic(&text, self, ok ? &n : nullptr); }},
        {"accKeyboardShortcut", [&](bool ok) { return proxy->get_accKeyboardShortcut(self, ok ? &text : nullptr); }},
        {"accFocus", [&](bool ok) { return proxy->get_accFocus(ok ? &out : nullptr); }},
        {"accSelection", [&](bool ok) { return proxy->get_accSelection(ok ? &out : nullptr); }},
        {"accDefaultAction", [&](bool ok) { return proxy->get_accDefaultAction(self, ok ? &text : nullptr); }},
        {"accLocation left", [&](bool ok) { return proxy->accLocation(ok ? &n : nullptr, &n, &n, &n, self); }},
        {"accLocation top", [&](bool ok) { return proxy->accLocation(&n, ok ? &n : nullptr, &n, &n, self); }},
        {"accLocation width", [&](bool ok) { return proxy->accLocation(&n, &n, ok ? &n : nullptr, &n, self); }},
        {"accLocation height", [&](bool ok) { return proxy->accLocation(&n, &n, &n, ok ? &n : nullptr, self); }},
        {"accNavigate", [&](bool ok) { return proxy->accNavigate(NAVDIR_NEXT, self, ok ? &out : nullptr); }},
        {"accHitTest", [&](bool ok) { return proxy->accHitTest(1, 1, ok ? &out : nullptr); }},
    };
    for (const auto& member : members) {
        pane.m_nCalls = 0;
        EXPECT_EQ(E_POINTER, member.call(false)) << member.name;
        EXPECT_EQ(0, pane.m_nCalls) << member.name << ": the pane was asked";
        EXPECT_EQ(S_FALSE, member.call(true)) << member.name;
        EXPECT_EQ(1, pane.m_nCalls) << member.name << ": not forwarded";
    }
    // Members without out pointers go straight on.
    pane.m_nCalls = 0;
    EXPECT_EQ(S_FALSE, proxy->accSelect(SELFLAG_TAKEFOCUS, self));
    EXPECT_EQ(S_FALSE, proxy->accDoDefaultAction(self));
    EXPECT_EQ(2, pane.m_nCalls);
    CComPtr<IOleWindow> window;
    ASSERT_HRESULT_SUCCEEDED(proxy.As(IID_IOleWindow, &window));
    HWND handle = nullptr;
    EXPECT_EQ(E_POINTER, window->GetWindow(nullptr));
    EXPECT_EQ(S_OK, window->GetWindow(&handle));
    EXPECT_EQ(pane.m_hWnd, handle);
}

void ExpectDisconnected(IAccessible* proxy) {
    const VARIANT self = CVariant::Int32(CHILDID_SELF).get();
    VARIANT out{};
    LONG n = 0;
    BSTR text = nullptr;
    DISPID dispid = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"accName");
    DISPPARAMS none{};
    CComPtr<IOleWindow> window;
    ASSERT_HRESULT_SUCCEEDED(
        proxy->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(window.ReleaseAndGetAddressOf())));
    HWND handle = nullptr;
    const std::function<HRESULT()> members[] = {
        [&] { return proxy->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid); },
        [&] { return proxy->Invoke(DISPID_ACC_CHILDCOUNT, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &out, 0, 0); },
        [&] { return proxy->get_accChildCount(&n); },
        [&] { return proxy->get_accName(self, &text); },
        [&] { return proxy->accSelect(SELFLAG_TAKEFOCUS, self); },
        [&] { return proxy->accLocation(&n, &n, &n, &n, self); },
        [&] { return proxy->get_accName(self, nullptr); },  // the link is checked first
        [&] { return window->GetWindow(&handle); },
    };
    int index = 0;
    for (const auto& member : members) EXPECT_EQ(RPC_E_DISCONNECTED, member()) << "member " << index++;
}

// One proxy per pane while a client holds it, with a lock on the module, a
// new one once it is released; a proxy held after the pane's window or the
// pane is gone is disconnected.
TEST(AccessibleProxy, OneProxyWhileHeldANewOneAfterAndDisconnectedWhenThePaneGoes) {
    const LONG idle = Module::LockCount();
    CComPtr<IAccessible> proxy;
    {
        CPaneHost pane;
        const LONG locks = Module::LockCount();
        proxy = AccessibleOf(pane.Window());
        CComPtr<IAccessibleProxyLink> link;
        EXPECT_HRESULT_SUCCEEDED(proxy.As(IID_IAccessibleProxyLink, &link));
        EXPECT_EQ(locks + 1, Module::LockCount());
        EXPECT_TRUE(SameObject(proxy.Get(), AccessibleOf(pane.Window()).Get()));
        EXPECT_EQ(locks + 1, Module::LockCount());
        link.Reset();
        proxy.Reset();
        EXPECT_EQ(locks, Module::LockCount());
        proxy = AccessibleOf(pane.Window());
        EXPECT_EQ(locks + 1, Module::LockCount());
        // Other objects of the window are the system's.
        EXPECT_EQ(0, SendMessageW(pane.Window(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_WINDOW)));
        ASSERT_HRESULT_SUCCEEDED(pane.m_pContainer->Deactivate());
        ExpectDisconnected(proxy.Get());
        // Reactivated, the pane answers with a new proxy for its new window.
        ASSERT_HRESULT_SUCCEEDED(pane.m_pContainer->Activate());
        proxy = AccessibleOf(pane.Window());
        LONG count = -1;
        EXPECT_EQ(S_OK, proxy->get_accChildCount(&count));
    }
    ExpectDisconnected(proxy.Get());
    proxy.Reset();
    EXPECT_EQ(idle, Module::LockCount());
}

}  // namespace
