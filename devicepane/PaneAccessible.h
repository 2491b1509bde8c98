// CPaneAccessible: the device pane's accessibility part. Screen readers see
// the pane as one object whose children are its programs: the pane gives
// that object its name, child count and descriptions, and leaves every
// other member to the system's standard object for its window. It is also
// the IDispatch that QueryInterface answers for the pane, by name.
//
// Clients reach it through WM_GETOBJECT (pane and list window alike), which
// is answered with a CAccessibleProxy that can outlive the pane.
#ifndef KESTREL_PANE_ACCESSIBLE_H
#define KESTREL_PANE_ACCESSIBLE_H

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "module/ComPtr.h"
#include "module/control/FramePart.h"

class CDeviceTransfer;

class CPaneAccessible final : public CFramePart<IAccessible> {
  public:
    explicit CPaneAccessible(CDeviceTransfer& pane);
    ~CPaneAccessible();

    // WM_GETOBJECT of the pane window or the list window. False leaves the
    // message to the default window procedure: other objects than the
    // client area, and anything that fails.
    bool OnGetObject(WPARAM wp, LPARAM lp, LRESULT& result);
    // The pane's window is going: a live proxy is unlinked (its clients get
    // RPC_E_DISCONNECTED from then on) and the standard object, bound to
    // that window, is released.
    void OnWindowDestroyed();

    // IAccessibleOwner::SetProxy of the pane: the live proxy, not counted.
    void RememberProxy(IUnknown* proxy) { m_pProxy = proxy; }

    // IDispatch, by name
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IAccessible: the pane's own three
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;

    // IAccessible: the standard object's
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
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

  private:
    // The standard object of the pane window's client area, made on first need.
    HRESULT Standard(IAccessible** standard);
    void UnlinkProxy();

    std::string PaneName() const;
    std::string PaneDescription() const;
    std::string ProgramName(LONG child) const;
    std::string ProgramDescription(LONG child) const;
    // Text of `column` of list item `item`, at most 519 characters.
    std::string ItemText(int item, int column) const;

    CDeviceTransfer& m_pane;
    CComPtr<IAccessible> m_pStandard;
    IUnknown* m_pProxy = nullptr;  // not counted: the proxy says when it goes
};

#endif
