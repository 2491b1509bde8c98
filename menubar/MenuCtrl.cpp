#include "menubar/MenuCtrl.h"

#include <olectl.h>

#include "menubar/BarPainter.h"
#include "menubar/OwnerMap.h"
#include "menubar/ThreadHooks.h"

namespace {

// Window and menu handles are 32-bit significant in both builds and travel
// sign-extended, as the platform hands them between 32- and 64-bit code.
template <class H>
H HandleFromOle(OLE_HANDLE value) {
    return reinterpret_cast<H>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}
OLE_HANDLE OleFromHandle(const void* handle) { return static_cast<OLE_HANDLE>(reinterpret_cast<UINT_PTR>(handle)); }

// Whether `size` bytes at `address` can be written, page by page.
bool IsWritable(const void* address, size_t size) {
    const auto* p = static_cast<const BYTE*>(address);
    const BYTE* const end = p + size;
    while (p < end) {
        MEMORY_BASIC_INFORMATION info{};
        if (VirtualQuery(p, &info, sizeof info) == 0 || info.State != MEM_COMMIT) return false;
        constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if ((info.Protect & kWritable) == 0 || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) return false;
        p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

}  // namespace

HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv) {
    return CControlFrame::CreateInstance<CMenuCtrl>(outer, iid, ppv);
}

const CControlDescription& CMenuCtrl::Describe() {
    static const CInterfaceEntry interfaces[] = {
        {&IID_IMenuCtrl,
         [](CControlFrame& f) -> IUnknown* { return static_cast<IMenuCtrl*>(&static_cast<CMenuCtrl&>(f)); }},
        {&IID_IDispatch,
         [](CControlFrame& f) -> IUnknown* { return static_cast<IMenuCtrl*>(&static_cast<CMenuCtrl&>(f)); }},
    };
    static const IID* const connectionPoints[] = {&DIID__IMenuCtrlEvents};
    static const CPersistedProperty properties[] = {
        {"_cx", PropertyStorage::ExtentWidth, DISPID_UNKNOWN},
        {"_cy", PropertyStorage::ExtentHeight, DISPID_UNKNOWN},
        {"BackColor", PropertyStorage::Variant, DISPID_BACKCOLOR},
        {"ForeColor", PropertyStorage::Variant, DISPID_FORECOLOR},
    };
    static const CControlDescription description{
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

CMenuCtrl::CMenuCtrl(IUnknown* outer)
    : CControlFrame(Describe(), outer),
      m_clrBack(GetSysColor(COLOR_BTNFACE)),
      m_clrFore(GetSysColor(COLOR_BTNTEXT)),
      m_clrMenu(GetSysColor(COLOR_MENU)),
      m_clrMenuText(GetSysColor(COLOR_MENUTEXT)) {
    MenuThreadHooks::AddBar();
}

CMenuCtrl::~CMenuCtrl() {
    m_items.clear();
    // A bar that never had a window, or whose window went without
    // WM_DESTROY reaching it, still leaves its owner's chain.
    COwnerMap::Unregister(*this);
    MenuThreadHooks::RemoveBar();
    m_painter.Reset();
}

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP CMenuCtrl::QueryInterface(REFIID iid, void** ppv) { return Controlling()->QueryInterface(iid, ppv); }
STDMETHODIMP_(ULONG) CMenuCtrl::AddRef() { return Controlling()->AddRef(); }
STDMETHODIMP_(ULONG) CMenuCtrl::Release() { return Controlling()->Release(); }

// --------------------------------------------------------------- IDispatch

STDMETHODIMP CMenuCtrl::GetTypeInfoCount(UINT* count) { return m_typeInfo.GetTypeInfoCount(count); }

STDMETHODIMP CMenuCtrl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) { return m_typeInfo.GetTypeInfo(index, info); }

STDMETHODIMP CMenuCtrl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* dispids) {
    return m_typeInfo.GetIDsOfNames(iid, names, count, dispids);
}

STDMETHODIMP CMenuCtrl::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError) {
    return m_typeInfo.Invoke(static_cast<IMenuCtrl*>(this), dispid, iid, flags, params, result, exception,
                             argumentError);
}

// ---------------------------------------------------------------- IMenuCtrl

// The value is used as an RGB value as it is: a system-colour OLE_COLOR is
// not translated.
STDMETHODIMP CMenuCtrl::put_BackColor(OLE_COLOR clr) {
    m_clrBack = clr;
    PropertyChanged(DISPID_BACKCOLOR);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_BackColor(OLE_COLOR* pclr) {
    if (pclr == nullptr) return E_POINTER;
    *pclr = m_clrBack;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_ForeColor(OLE_COLOR clr) {
    m_clrFore = clr;
    PropertyChanged(DISPID_FORECOLOR);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_ForeColor(OLE_COLOR* pclr) {
    if (pclr == nullptr) return E_POINTER;
    *pclr = m_clrFore;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_Owner(OLE_HANDLE newVal) {
    const HWND owner = HandleFromOle<HWND>(newVal);
    if (!IsWindow(owner)) return E_INVALIDARG;
    if (owner == m_hWndOwner) return S_OK;
    COwnerMap::Unregister(*this);
    m_pfnOwnerProc = nullptr;
    m_hWndOwner = owner;
    COwnerMap::Register(*this);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_Owner(OLE_HANDLE* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = OleFromHandle(m_hWndOwner);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_Menu(OLE_HANDLE newVal) {
    const HMENU menu = HandleFromOle<HMENU>(newVal);
    if (!IsMenu(menu)) return E_INVALIDARG;
    // The previous menu stays the host's; only the last one is destroyed
    // with the bar.
    m_hMenu.Release();
    m_hMenu.Reset(menu);
    RebuildItems();
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_Menu(OLE_HANDLE* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = OleFromHandle(m_hMenu.Get());
    return S_OK;
}

// An image list is a pointer in x64, carried pointer-sized there.
STDMETHODIMP CMenuCtrl::put_ImageList(IMAGELIST_HANDLE newVal) {
    const auto list = reinterpret_cast<HIMAGELIST>(static_cast<UINT_PTR>(newVal));
    if (list == nullptr) return E_INVALIDARG;
    m_painter.SetImageList(list);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_ImageList(IMAGELIST_HANDLE* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = static_cast<IMAGELIST_HANDLE>(reinterpret_cast<UINT_PTR>(m_painter.ImageList()));
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_MenuColor(OLE_COLOR newVal) {
    m_clrMenu = newVal;
    if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_MenuColor(OLE_COLOR* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = m_clrMenu;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_MenuTextColor(OLE_COLOR newVal) {
    m_clrMenuText = newVal;
    if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_MenuTextColor(OLE_COLOR* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = m_clrMenuText;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::put_Orientation(short newVal) {
    m_nOrientation = newVal;
    put_Menu(OleFromHandle(m_hMenu.Get()));
    return S_OK;
}

STDMETHODIMP CMenuCtrl::get_Orientation(short* pVal) {
    if (pVal == nullptr) return E_POINTER;
    *pVal = m_nOrientation;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::SetMenuItemImage(long nID, long nIndex) {
    m_painter.SetItemImage(nID, nIndex);
    return S_OK;
}

STDMETHODIMP CMenuCtrl::AutoSize(long* pbResult) {
    if (pbResult == nullptr) return E_POINTER;
    const CBarExtent size = m_items.empty() ? CBarExtent{kBarAutoSizeMargin, kBarAutoSizeMargin}
                                            : AutoSizeBar(RectsOf(m_items), Vertical());
    if (Window() != nullptr) {
        SetWindowPos(Window(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        // The items may have changed under an unchanged size.
        InvalidateRect(Window(), nullptr, TRUE);
    }
    *pbResult = 1;
    return S_OK;
}

STDMETHODIMP CMenuCtrl::GetItemRect(short nItem, LONG_PTR lpRect) {
    if (lpRect == 0 || nItem < 0 || nItem >= ItemCount()) return E_INVALIDARG;
    auto* rect = reinterpret_cast<RECT*>(lpRect);
    // The address comes as a plain integer: refuse what cannot take a RECT.
    if (!IsWritable(rect, sizeof(RECT))) return E_INVALIDARG;
    *rect = ToRect(m_items[static_cast<size_t>(nItem)].m_rcItem);
    return S_OK;
}

// ---------------------------------------------------------------- events

LONG CMenuCtrl::FireBeforePopup(short item) {
    CEventArguments arguments;
    arguments.Short(item);
    return FireEvent(DIID__IMenuCtrlEvents, DISPID_BeforePopup, arguments);
}

LONG CMenuCtrl::FireAfterPopup(short item) {
    CEventArguments arguments;
    arguments.Short(item);
    return FireEvent(DIID__IMenuCtrlEvents, DISPID_AfterPopup, arguments);
}

// ---------------------------------------------------------------- layout

void CMenuCtrl::RebuildItems() { m_items = BuildBarItems(m_hMenu.Get(), Vertical()); }

int CMenuCtrl::HitTest(long x, long y) const { return HitTestBar(RectsOf(m_items), x, y); }

// ---------------------------------------------------------------- window

bool CMenuCtrl::ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
    switch (message) {
        case WM_MOUSEACTIVATE:
            // The bar does not take the user interface on a click: the
            // owner's focus stays where it is.
            result = MA_ACTIVATE;
            return true;
        case WM_PRINTCLIENT:
            if (wp == 0) {
                result = -1;
            } else {
                RECT client;
                GetClientRect(Window(), &client);
                PaintBar(reinterpret_cast<HDC>(wp), client, m_items, m_nHotItem, Style(), Vertical());
                result = 0;
            }
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove(x, y);
            return false;
        case WM_LBUTTONDOWN:
            OnLButtonDown(x, y);
            return false;
        case WM_CAPTURECHANGED:
            OnCaptureChanged();
            return false;
        case WM_MENUBAR_DROPDOWN:
            result = OnDropDown(static_cast<int>(wp));
            return true;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_UPDATEUISTATE:
            OnLookMessage(message, wp);
            return false;
        case WM_GETTEXT:
            result = OnGetText(wp, reinterpret_cast<char*>(lp));
            return true;
        case WM_CREATE:
            // A window made again after deactivation serves its owner again:
            // its WM_DESTROY took the bar out of the owner's chain.
            if (!m_fRegistered && HasOwner()) COwnerMap::Register(*this);
            return false;
        case WM_DESTROY:
            result = DefWindowProcA(Window(), message, wp, lp);
            COwnerMap::Unregister(*this);
            return true;
        default:
            return false;
    }
}

void CMenuCtrl::OnDraw(HDC dc, const RECT& bounds) {
    RECT client = bounds;
    if (Window() != nullptr && WindowFromDC(dc) == Window()) GetClientRect(Window(), &client);
    PaintBar(dc, client, m_items, m_nHotItem, Style(), Vertical());
}
