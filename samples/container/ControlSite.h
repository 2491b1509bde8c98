// CControlSite: the container's side of one embedded OLE control, as a host
// such as Lanthorn provides it. One COM object answers IOleClientSite,
// IOleInPlaceSite(Ex), IOleInPlaceFrame, IOleControlSite, IAdviseSink and
// IDispatch (the ambient properties) for a control placed at a rectangle of
// a parent window. It offers no windowless site, so a control activates
// with a window of its own. The sample host embeds through it, and so do
// the tests, which thereby check what the sample shows.
//
//   CComPtr<CControlSite> site = CControlSite::Create(parent, rect);
//   site->Embed(control);   // client site, InitNew (or Load), extent
//   site->Activate();       // DoVerb(OLEIVERB_INPLACEACTIVATE)
//   HWND window = site->ControlWindow();
//   site->Close();          // deactivate, close, release
//
// The site holds the control and the control holds the site until Close:
// whoever creates a site must close it.
#ifndef KESTREL_CONTAINER_CONTROL_SITE_H
#define KESTREL_CONTAINER_CONTROL_SITE_H

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>
#include "module/ComPtr.h"

#include <map>
#include <string>
#include <vector>

#include "container/Variant.h"

class CControlSite final : public IOleClientSite,
                           public IOleInPlaceSiteEx,
                           public IOleInPlaceFrame,
                           public IOleControlSite,
                           public IAdviseSink,
                           public IDispatch {
  public:
    static CComPtr<CControlSite> Create(HWND parent, const RECT& position);

    // Takes `control` into the site: the client site first (both controls
    // declare OLEMISC_SETCLIENTSITEFIRST, and a control created without
    // registration cannot report it), then IPersistStreamInit::Load(state)
    // or InitNew, a view advise and the extent. E_NOINTERFACE when the
    // object is no OLE control; the site keeps it all the same.
    HRESULT Embed(IUnknown* control, IStream* state = nullptr);
    // IOleObject::DoVerb with the site's parent and rectangle.
    HRESULT Activate(LONG verb = OLEIVERB_INPLACEACTIVATE);
    // UI deactivation (when UI-active), then in-place deactivation.
    HRESULT Deactivate();
    // Deactivates, closes without saving, takes the client site away and
    // releases every pointer to the control. Safe to call twice.
    void Close();
    // New position in the parent: extent and object rectangles follow.
    void Move(const RECT& position);
    // Offers a message of the host's loop to the UI-active control first;
    // true when the control consumed it.
    bool PreTranslateMessage(MSG& message);
    // Changes an ambient property and tells the control.
    void SetAmbient(DISPID dispid, const CVariant& value);

    IUnknown* Control() const { return m_pControl.Get(); }
    // The control's window (IOleWindow::GetWindow); null when it has none.
    HWND ControlWindow() const;
    HWND Parent() const { return m_hWndParent; }
    const RECT& Position() const { return m_rcPosition; }
    bool InPlaceActive() const { return m_fInPlaceActive; }
    bool UIActive() const { return m_fUIActive; }
    // The flags of the last OnInPlaceActivateEx (ACTIVATE_WINDOWLESS or 0).
    DWORD ActivationFlags() const { return m_dwActivationFlags; }
    IOleInPlaceActiveObject* ActiveObject() const { return m_pActiveObject.Get(); }
    int ViewChanges() const { return m_nViewChanges; }
    // The notifications the embedded control sent to the site, by method name,
    // in order.
    const std::vector<std::string>& Calls() const { return m_vecCalls; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow (of both the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite, IOleInPlaceSiteEx
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position, RECT* clip,
                                  OLEINPLACEFRAMEINFO* frameInfo) override;
    STDMETHODIMP Scroll(SIZE extent) override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(const RECT* position) override;
    STDMETHODIMP OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) override;
    STDMETHODIMP OnInPlaceDeactivateEx(BOOL noRedraw) override;
    STDMETHODIMP RequestUIActivate() override;

    // IOleInPlaceUIWindow, IOleInPlaceFrame
    STDMETHODIMP GetBorder(RECT* border) override;
    STDMETHODIMP RequestBorderSpace(const BORDERWIDTHS* widths) override;
    STDMETHODIMP SetBorderSpace(const BORDERWIDTHS* widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, const OLECHAR* name) override;
    STDMETHODIMP InsertMenus(HMENU shared, OLEMENUGROUPWIDTHS* widths) override;
    STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    STDMETHODIMP RemoveMenus(HMENU shared) override;
    STDMETHODIMP SetStatusText(const OLECHAR* text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(MSG* message, WORD id) override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override;
    STDMETHODIMP LockInPlaceActive(BOOL lock) override;
    STDMETHODIMP GetExtendedControl(IDispatch** extended) override;
    STDMETHODIMP TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
    STDMETHODIMP TranslateAccelerator(MSG* message, DWORD modifiers) override;
    STDMETHODIMP OnFocus(BOOL gotFocus) override;
    STDMETHODIMP ShowPropertyFrame() override;

    // IAdviseSink
    STDMETHODIMP_(void) OnDataChange(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP_(void) OnViewChange(DWORD aspect, LONG index) override;
    STDMETHODIMP_(void) OnRename(IMoniker* moniker) override;
    STDMETHODIMP_(void) OnSave() override;
    STDMETHODIMP_(void) OnClose() override;

    // IDispatch: the ambient properties, by DISPID only
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

  private:
    CControlSite(HWND parent, const RECT& position);
    ~CControlSite();
    CControlSite(const CControlSite&) = delete;
    CControlSite& operator=(const CControlSite&) = delete;

    HRESULT Initialize(IStream* state);
    void SetExtent();
    void Note(const char* call) { m_vecCalls.emplace_back(call); }

    LONG m_nReferences = 1;
    HWND m_hWndParent;
    RECT m_rcPosition;
    CComPtr<IUnknown> m_pControl;
    CComPtr<IOleObject> m_pObject;
    CComPtr<IViewObject> m_pView;
    CComPtr<IOleInPlaceActiveObject> m_pActiveObject;
    std::map<DISPID, CVariant> m_mapAmbients;
    std::vector<std::string> m_vecCalls;
    bool m_fInPlaceActive = false;
    bool m_fUIActive = false;
    DWORD m_dwActivationFlags = 0;
    int m_nViewChanges = 0;
};

#endif
