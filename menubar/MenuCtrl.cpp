#include "menubar/MenuCtrl.h"

#include <olectl.h>

HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv) {
    return ControlFrame::CreateInstance<MenuCtrl>(outer, iid, ppv);
}

const ControlDescription& MenuCtrl::Describe() {
    static const InterfaceEntry interfaces[] = {
        {&IID_IMenuCtrl,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IMenuCtrl*>(&static_cast<MenuCtrl&>(f)); }},
        {&IID_IDispatch,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IMenuCtrl*>(&static_cast<MenuCtrl&>(f)); }},
        {&IID_IViewObjectEx, &ControlFrame::FindViewObject},
        {&IID_IViewObject2, &ControlFrame::FindViewObject},
        {&IID_IViewObject, &ControlFrame::FindViewObject},
        {&IID_IOleInPlaceObjectWindowless, &ControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceObject, &ControlFrame::FindInPlaceObject},
        {&IID_IOleWindow, &ControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceActiveObject, &ControlFrame::FindInPlaceActiveObject},
        {&IID_IOleControl, &ControlFrame::FindOleControl},
        {&IID_IOleObject, &ControlFrame::FindOleObject},
        {&IID_IPersistStreamInit, &ControlFrame::FindPersistStreamInit},
        {&IID_IPersist, &ControlFrame::FindPersistStreamInit},
        {&IID_IConnectionPointContainer, &ControlFrame::FindConnectionPointContainer},
        {&IID_IQuickActivate, &ControlFrame::FindQuickActivate},
        {&IID_IPersistStorage, &ControlFrame::FindPersistStorage},
        {&IID_IDataObject, &ControlFrame::FindDataObject},
        {&IID_IProvideClassInfo, &ControlFrame::FindClassInfo},
        {&IID_IProvideClassInfo2, &ControlFrame::FindClassInfo},
    };
    static const IID* const connectionPoints[] = {&DIID__IMenuCtrlEvents};
    static const PersistedProperty properties[] = {
        {"_cx", PropertyStorage::ExtentWidth, DISPID_UNKNOWN},
        {"_cy", PropertyStorage::ExtentHeight, DISPID_UNKNOWN},
        {"BackColor", PropertyStorage::Variant, DISPID_BACKCOLOR},
        {"ForeColor", PropertyStorage::Variant, DISPID_FORECOLOR},
    };
    static const ControlDescription description{
        &CLSID_MenuCtrl,
        L"MenuCtrl Class",
        true,  // aggregatable
        TableOf(interfaces),
        TableOf(connectionPoints),
        &DIID__IMenuCtrlEvents,  // default source
        TableOf(properties),
        "Menu Control class",
        0,  // no class style
    };
    return description;
}

MenuCtrl::MenuCtrl(IUnknown* outer)
    : ControlFrame(Describe(), outer), m_clrBack(GetSysColor(COLOR_BTNFACE)), m_clrFore(GetSysColor(COLOR_BTNTEXT)) {}

MenuCtrl::~MenuCtrl() = default;

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP MenuCtrl::QueryInterface(REFIID iid, void** ppv) { return Controlling()->QueryInterface(iid, ppv); }
STDMETHODIMP_(ULONG) MenuCtrl::AddRef() { return Controlling()->AddRef(); }
STDMETHODIMP_(ULONG) MenuCtrl::Release() { return Controlling()->Release(); }

// --------------------------------------------------------------- IDispatch

STDMETHODIMP MenuCtrl::GetTypeInfoCount(UINT* count) { return m_typeInfo.GetTypeInfoCount(count); }

STDMETHODIMP MenuCtrl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) { return m_typeInfo.GetTypeInfo(index, info); }

STDMETHODIMP MenuCtrl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* dispids) {
    return m_typeInfo.GetIDsOfNames(iid, names, count, dispids);
}

STDMETHODIMP MenuCtrl::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO* exception, UINT* argumentError) {
    return m_typeInfo.Invoke(static_cast<IMenuCtrl*>(this), dispid, iid, flags, params, result, exception,
                             argumentError);
}

// ---------------------------------------------------------------- IMenuCtrl

// The value is used as an RGB value as it is: a system-colour OLE_COLOR is
// not translated.
STDMETHODIMP MenuCtrl::put_BackColor(OLE_COLOR clr) {
    m_clrBack = clr;
    PropertyChanged(DISPID_BACKCOLOR);
    return S_OK;
}

STDMETHODIMP MenuCtrl::get_BackColor(OLE_COLOR* pclr) {
    if (pclr == nullptr) return E_POINTER;
    *pclr = m_clrBack;
    return S_OK;
}

STDMETHODIMP MenuCtrl::put_ForeColor(OLE_COLOR clr) {
    m_clrFore = clr;
    PropertyChanged(DISPID_FORECOLOR);
    return S_OK;
}

STDMETHODIMP MenuCtrl::get_ForeColor(OLE_COLOR* pclr) {
    if (pclr == nullptr) return E_POINTER;
    *pclr = m_clrFore;
    return S_OK;
}

// The menu, its owner window, the popup images and the layout fill these in.
STDMETHODIMP MenuCtrl::put_Owner(OLE_HANDLE) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_Owner(OLE_HANDLE*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::put_Menu(OLE_HANDLE) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_Menu(OLE_HANDLE*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::put_ImageList(OLE_HANDLE) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_ImageList(OLE_HANDLE*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::put_MenuColor(OLE_COLOR) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_MenuColor(OLE_COLOR*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::put_MenuTextColor(OLE_COLOR) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_MenuTextColor(OLE_COLOR*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::put_Orientation(short) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::get_Orientation(short*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::SetMenuItemImage(long, long) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::AutoSize(long*) { return E_NOTIMPL; }
STDMETHODIMP MenuCtrl::GetItemRect(short, LONG_PTR) { return E_NOTIMPL; }

// ---------------------------------------------------------------- events

LONG MenuCtrl::FireBeforePopup(short item) {
    EventArguments arguments;
    arguments.Short(item);
    return FireEvent(DIID__IMenuCtrlEvents, DISPID_BeforePopup, arguments);
}

LONG MenuCtrl::FireAfterPopup(short item) {
    EventArguments arguments;
    arguments.Short(item);
    return FireEvent(DIID__IMenuCtrlEvents, DISPID_AfterPopup, arguments);
}

// ---------------------------------------------------------------- window

bool MenuCtrl::ProcessWindowMessage(UINT message, WPARAM wp, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            // The bar does not take the user interface on a click: the
            // owner's focus stays where it is.
            result = MA_ACTIVATE;
            return true;
        case WM_PRINTCLIENT:
            result = OnPrintClient(reinterpret_cast<HDC>(wp));
            return true;
        default:
            return false;
    }
}

LRESULT MenuCtrl::OnPrintClient(HDC dc) {
    RECT client;
    GetClientRect(Window(), &client);
    OnDraw(dc, client);
    return 0;
}

// The bar's background; the items are drawn over it once the bar has them.
void MenuCtrl::OnDraw(HDC dc, const RECT& bounds) {
    const COLORREF old = SetBkColor(dc, m_clrBack);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &bounds, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}
