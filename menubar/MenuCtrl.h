// CMenuCtrl, the menu bar control: the host's menu as a row of flat buttons
// whose popups it tracks with the mouse and the keyboard and draws itself.
//
// The object and its properties live in MenuCtrl.cpp; the mouse, the popup
// loop and the keyboard menu mode in MenuCtrlTracking.cpp; the owner window
// registration in OwnerMap.cpp, the thread hooks in ThreadHooks.cpp, the
// layout in BarItems/BarLayout, the painting in BarPainter and the popup
// items in PopupPainter.
#ifndef KESTREL_MENU_CTRL_H
#define KESTREL_MENU_CTRL_H

#include <windows.h>
#include <unknwn.h>

#include <vector>

#include "menubar/BarItems.h"
#include "menubar/MenuHandles.h"
#include "menubar/PopupPainter.h"
#include "module/Kestrel.h"
#include "module/control/ControlFrame.h"
#include "module/control/TypeInfoHolder.h"

// Instance creator of the object map: a new menu bar, asked for `iid`. With
// a non-null `outer` the bar is created aggregated: `iid` must then be
// IID_IUnknown, and the bar's own unknown is returned.
HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv);

// Asks the bar to open the popup of the item in wParam; always posted.
constexpr UINT WM_MENUBAR_DROPDOWN = WM_USER + 123;

struct CBarStyle;

// IMenuCtrl is the bar's identity and its IDispatch (a dual interface served
// through the type library).
class CMenuCtrl final : public CControlFrame, public IMenuCtrl {
  public:
    static const CControlDescription& Describe();

    // The bar behind an IMenuCtrl of this module.
    static CMenuCtrl* From(IMenuCtrl* bar) { return static_cast<CMenuCtrl*>(bar); }

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
    STDMETHODIMP put_ImageList(IMAGELIST_HANDLE newVal) override;
    STDMETHODIMP get_ImageList(IMAGELIST_HANDLE* pVal) override;
    STDMETHODIMP put_MenuColor(OLE_COLOR newVal) override;
    STDMETHODIMP get_MenuColor(OLE_COLOR* pVal) override;
    STDMETHODIMP put_MenuTextColor(OLE_COLOR newVal) override;
    STDMETHODIMP get_MenuTextColor(OLE_COLOR* pVal) override;
    STDMETHODIMP put_Orientation(short newVal) override;
    STDMETHODIMP get_Orientation(short* pVal) override;
    STDMETHODIMP SetMenuItemImage(long nID, long nIndex) override;
    STDMETHODIMP AutoSize(long* pbResult) override;
    STDMETHODIMP GetItemRect(short nItem, LONG_PTR lpRect) override;

    // Called by the thread hooks for the bar that OwnerMap holds for a window.
    LRESULT OnCallWndProcHook(int nCode, WPARAM wp, LPARAM lp);
    LRESULT OnKeyboardHook(int nCode, WPARAM wp, LPARAM lp);

  protected:
    bool ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDraw(HDC dc, const RECT& bounds) override;

  private:
    friend class CControlFrame;
    friend class COwnerMap;
    explicit CMenuCtrl(IUnknown* outer);
    ~CMenuCtrl() override;

    void RebuildItems();
    int HitTest(long x, long y) const;
    bool Vertical() const { return m_nOrientation != 0; }
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    bool HasOwner() const { return m_hWndOwner != nullptr && IsWindow(m_hWndOwner); }

    // Tracking (MenuCtrlTracking.cpp)
    void RedrawItem(int nItem, bool fHot, bool fPressed);
    void OnMouseMove(int x, int y);
    void OnCaptureChanged();
    void OnLButtonDown(int x, int y);
    LRESULT OnDropDown(int nItem);
    LRESULT OnGetText(WPARAM cchMax, char* buffer);
    void PressItem(int nItem);
    bool TrackItemPopup(int nItem);
    long PopupHeight(HMENU menu) const;
    bool SelectItem(int nItem);
    void ToggleMenuMode();
    void LeaveMenuMode();
    bool DropHotItem();
    bool OpenByMnemonic(int vk);
    void NotifyMenuEvent(DWORD event, HWND window) const;

    // Look (MenuCtrlLook.cpp): colours and keyboard cues as the system's
    // settings and the owner's UI state are now.
    CBarStyle Style() const;
    void RevealCues();
    void OnLookMessage(UINT message, WPARAM wp);  // invalidates the bar when the look changed

    CTypeInfoHolder m_typeInfo{IID_IMenuCtrl};
    // Defined from the start: the system's button colours for the bar, the
    // system's menu colours for the two menu properties.
    OLE_COLOR m_clrBack;
    OLE_COLOR m_clrFore;
    OLE_COLOR m_clrMenu;
    OLE_COLOR m_clrMenuText;
    MenuHandle m_hMenu;  // the last menu given; destroyed with the bar
    std::vector<CBarItem> m_items;
    int m_nHotItem = -1;
    bool m_bTracking = false;
    bool m_bMenuMode = false;
    POINT m_ptLastCursor{0, 0};
    bool m_bCuesRevealed = false;  // the keyboard was used: mnemonics show
    CPopupPainter m_painter;
    // Owner registration (OwnerMap.cpp)
    HWND m_hWndOwner = nullptr;
    WNDPROC m_pfnOwnerProc = nullptr;
    CMenuCtrl* m_pNextForOwner = nullptr;
    bool m_fRegistered = false;
    short m_nOrientation = 0;
};

#endif
