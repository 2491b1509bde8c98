// CAccessibleProxy: the small object that the device pane hands to
// accessibility clients through WM_GETOBJECT. Clients may hold it after the
// pane is gone; it forwards to the pane's IAccessible while linked and
// answers RPC_E_DISCONNECTED once the pane has unlinked it.
//
// The proxy lives exactly as long as the references the system handed out:
// its last Release tells the pane (IAccessibleOwner::SetProxy(null)), so the
// next WM_GETOBJECT makes a new one. Each proxy holds one module lock.
#ifndef KESTREL_ACCESSIBLE_PROXY_H
#define KESTREL_ACCESSIBLE_PROXY_H

#include <windows.h>
#include <oleacc.h>

#include "module/ComPtr.h"
#include "module/Kestrel.h"

// The proxy's own interface and identity: the pane links and unlinks it.
// Module-internal, not in the type library.
struct IAccessibleProxyLink : public IUnknown {
    // Stores both links, not counted; nulls unlink. S_OK.
    virtual HRESULT STDMETHODCALLTYPE SetTarget(IAccessible* target, IAccessibleOwner* owner) = 0;
};

class CAccessibleProxy final : public IAccessibleProxyLink, public IAccessible, public IOleWindow {
  public:
    // A new proxy, not yet linked, with one reference for the caller.
    static HRESULT Create(CComPtr<IAccessibleProxyLink>* proxy);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IAccessibleProxyLink
    STDMETHODIMP SetTarget(IAccessible* target, IAccessibleOwner* owner) override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* focus) override;
    STDMETHODIMP get_accSelection(VARIANT* selection) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override;
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

  private:
    CAccessibleProxy();
    ~CAccessibleProxy();
    CAccessibleProxy(const CAccessibleProxy&) = delete;
    CAccessibleProxy& operator=(const CAccessibleProxy&) = delete;

    volatile LONG m_nReferences = 0;
    // Not counted: the pane unlinks the proxy before it goes.
    IAccessible* m_pTarget = nullptr;
    IAccessibleOwner* m_pOwner = nullptr;
};

#endif
