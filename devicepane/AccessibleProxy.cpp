#include "devicepane/AccessibleProxy.h"

#include <new>

#include "module/Module.h"

// Every member first needs the link to the pane, then non-null out pointers.
#define KESTREL_PROXY_LINKED() \
    if (m_pTarget == nullptr) return RPC_E_DISCONNECTED
#define KESTREL_PROXY_OUT(pointer) \
    if ((pointer) == nullptr) return E_POINTER

HRESULT CAccessibleProxy::Create(CComPtr<IAccessibleProxyLink>* proxy) {
    if (proxy == nullptr) return E_POINTER;
    auto* created = new (std::nothrow) CAccessibleProxy();
    if (created == nullptr) return E_OUTOFMEMORY;
    proxy->Attach(created);
    created->AddRef();
    return S_OK;
}

CAccessibleProxy::CAccessibleProxy() { Module::Lock(); }

CAccessibleProxy::~CAccessibleProxy() { Module::Unlock(); }

// ------------------------------------------------------------- IUnknown

STDMETHODIMP CAccessibleProxy::QueryInterface(REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IAccessibleProxyLink))
        *ppv = static_cast<IAccessibleProxyLink*>(this);
    else if (IsEqualIID(iid, IID_IAccessible) || IsEqualIID(iid, IID_IDispatch))
        *ppv = static_cast<IAccessible*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow))
        *ppv = static_cast<IOleWindow*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CAccessibleProxy::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_nReferences)); }

STDMETHODIMP_(ULONG) CAccessibleProxy::Release() {
    const LONG count = InterlockedDecrement(&m_nReferences);
    if (count == 0) {
        // The pane forgets the proxy, so that the next request makes a new one.
        if (m_pOwner != nullptr) m_pOwner->SetProxy(nullptr);
        delete this;
    }
    return static_cast<ULONG>(count);
}

// ------------------------------------------------- IAccessibleProxyLink

STDMETHODIMP CAccessibleProxy::SetTarget(IAccessible* target, IAccessibleOwner* owner) {
    m_pTarget = target;
    m_pOwner = owner;
    return S_OK;
}

// ------------------------------------------------------------- IDispatch

STDMETHODIMP CAccessibleProxy::GetTypeInfoCount(UINT* count) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->GetTypeInfoCount(count);
}

STDMETHODIMP CAccessibleProxy::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->GetTypeInfo(index, locale, info);
}

STDMETHODIMP CAccessibleProxy::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->GetIDsOfNames(iid, names, count, locale, dispids);
}

STDMETHODIMP CAccessibleProxy::Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                      VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->Invoke(dispid, iid, locale, flags, params, result, exception, argumentError);
}

// ----------------------------------------------------------- IAccessible

STDMETHODIMP CAccessibleProxy::get_accParent(IDispatch** parent) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(parent);
    return m_pTarget->get_accParent(parent);
}

STDMETHODIMP CAccessibleProxy::get_accChildCount(LONG* count) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(count);
    return m_pTarget->get_accChildCount(count);
}

STDMETHODIMP CAccessibleProxy::get_accChild(VARIANT child, IDispatch** dispatch) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(dispatch);
    return m_pTarget->get_accChild(child, dispatch);
}

STDMETHODIMP CAccessibleProxy::get_accName(VARIANT child, BSTR* name) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(name);
    return m_pTarget->get_accName(child, name);
}

STDMETHODIMP CAccessibleProxy::get_accValue(VARIANT child, BSTR* value) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(value);
    return m_pTarget->get_accValue(child, value);
}

STDMETHODIMP CAccessibleProxy::get_accDescription(VARIANT child, BSTR* description) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(description);
    return m_pTarget->get_accDescription(child, description);
}

STDMETHODIMP CAccessibleProxy::get_accRole(VARIANT child, VARIANT* role) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(role);
    return m_pTarget->get_accRole(child, role);
}

STDMETHODIMP CAccessibleProxy::get_accState(VARIANT child, VARIANT* state) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(state);
    return m_pTarget->get_accState(child, state);
}

STDMETHODIMP CAccessibleProxy::get_accHelp(VARIANT child, BSTR* help) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(help);
    return m_pTarget->get_accHelp(child, help);
}

STDMETHODIMP CAccessibleProxy::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(helpFile);
    KESTREL_PROXY_OUT(topic);
    return m_pTarget->get_accHelpTopic(helpFile, child, topic);
}

STDMETHODIMP CAccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(shortcut);
    return m_pTarget->get_accKeyboardShortcut(child, shortcut);
}

STDMETHODIMP CAccessibleProxy::get_accFocus(VARIANT* focus) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(focus);
    return m_pTarget->get_accFocus(focus);
}

STDMETHODIMP CAccessibleProxy::get_accSelection(VARIANT* selection) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(selection);
    return m_pTarget->get_accSelection(selection);
}

STDMETHODIMP CAccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(action);
    return m_pTarget->get_accDefaultAction(child, action);
}

STDMETHODIMP CAccessibleProxy::accSelect(LONG flags, VARIANT child) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->accSelect(flags, child);
}

STDMETHODIMP CAccessibleProxy::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(left);
    KESTREL_PROXY_OUT(top);
    KESTREL_PROXY_OUT(width);
    KESTREL_PROXY_OUT(height);
    return m_pTarget->accLocation(left, top, width, height, child);
}

STDMETHODIMP CAccessibleProxy::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(end);
    return m_pTarget->accNavigate(direction, start, end);
}

STDMETHODIMP CAccessibleProxy::accHitTest(LONG x, LONG y, VARIANT* child) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(child);
    return m_pTarget->accHitTest(x, y, child);
}

STDMETHODIMP CAccessibleProxy::accDoDefaultAction(VARIANT child) {
    KESTREL_PROXY_LINKED();
    return m_pTarget->accDoDefaultAction(child);
}

// Clients do not rename the pane or its programs.
STDMETHODIMP CAccessibleProxy::put_accName(VARIANT, BSTR) {
    KESTREL_PROXY_LINKED();
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleProxy::put_accValue(VARIANT, BSTR) {
    KESTREL_PROXY_LINKED();
    return E_NOTIMPL;
}

// ------------------------------------------------------------ IOleWindow

STDMETHODIMP CAccessibleProxy::GetWindow(HWND* window) {
    KESTREL_PROXY_LINKED();
    KESTREL_PROXY_OUT(window);
    if (m_pOwner == nullptr) return RPC_E_DISCONNECTED;
    return m_pOwner->GetWindowHandle(window);
}

STDMETHODIMP CAccessibleProxy::ContextSensitiveHelp(BOOL) {
    KESTREL_PROXY_LINKED();
    return E_NOTIMPL;
}
