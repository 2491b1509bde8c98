// The MenuCtrl control (the menu bar).
#ifndef KESTREL_MENU_CTRL_H
#define KESTREL_MENU_CTRL_H

#include <windows.h>
#include <unknwn.h>

#include "module/Kestrel.h"
#include "module/control/ControlFrame.h"
#include "module/control/TypeInfoHolder.h"

// Instance creator of the object map: a new menu bar, asked for `iid`. With
// a non-null `outer` the bar is created aggregated: `iid` must then be
// IID_IUnknown, and the bar's own unknown is returned.
HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv);

// IMenuCtrl is the bar's identity and its IDispatch (a dual interface served
// through the type library).
class MenuCtrl final : public ControlFrame, public IMenuCtrl {
  public:
    static const ControlDescription& Describe();

    // The bar behind an IMenuCtrl of this module.
    static MenuCtrl* From(IMenuCtrl* bar) { return static_cast<MenuCtrl*>(bar); }

    // Events of the bar, fired synchronously to every connected sink of
    // _IMenuCtrlEvents; the bar item is sent as VT_I2.
    LONG FireBeforePopup(short item);
    LONG FireAfterPopup(short item);

    IDispatch* PropertyDispatch() override { return this; }

    // IUnknown (delegating to the outer object when aggregated)
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IMenuCtrl
    STDMETHODIMP put_BackColor(OLE_COLOR clr) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* pclr) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR clr) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* pclr) override;
    STDMETHODIMP put_Owner(OLE_HANDLE newVal) override;
    STDMETHODIMP get_Owner(OLE_HANDLE* pVal) override;
    STDMETHODIMP put_Menu(OLE_HANDLE newVal) override;
    STDMETHODIMP get_Menu(OLE_HANDLE* pVal) override;
    STDMETHODIMP put_ImageList(OLE_HANDLE newVal) override;
    STDMETHODIMP get_ImageList(OLE_HANDLE* pVal) override;
    STDMETHODIMP put_MenuColor(OLE_COLOR newVal) override;
    STDMETHODIMP get_MenuColor(OLE_COLOR* pVal) override;
    STDMETHODIMP put_MenuTextColor(OLE_COLOR newVal) override;
    STDMETHODIMP get_MenuTextColor(OLE_COLOR* pVal) override;
    STDMETHODIMP put_Orientation(short newVal) override;
    STDMETHODIMP get_Orientation(short* pVal) override;
    STDMETHODIMP SetMenuItemImage(long nID, long nIndex) override;
    STDMETHODIMP AutoSize(long* pbResult) override;
    STDMETHODIMP GetItemRect(short nItem, LONG_PTR lpRect) override;

  protected:
    bool ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDraw(HDC dc, const RECT& bounds) override;

  private:
    friend class ControlFrame;
    explicit MenuCtrl(IUnknown* outer);
    ~MenuCtrl() override;

    LRESULT OnPrintClient(HDC dc);

    TypeInfoHolder m_typeInfo{IID_IMenuCtrl};
    // Stock properties. Until the container sets or loads them they are the
    // system's button colours, as a flat bar looks.
    OLE_COLOR m_clrBack;
    OLE_COLOR m_clrFore;
};

#endif
