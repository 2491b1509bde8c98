// CControlFrame: the OLE control machinery that both controls share. A
// control derives from it, declares what it is in a CControlDescription
// (class, interface table, connection points, persisted entries, window
// class) and overrides the few operations that are its own: the message
// map, the draw operation, and the IDispatch that its persisted VARIANT
// entries go through.
//
// The standard interfaces are member objects (parts) of the frame; the
// control's own interfaces are its bases. All of them share one identity
// and one reference count (CInnerUnknown), or the outer object's when the
// control is aggregated.
//
// Activation is windowed only: the control creates a child window of the
// container's window at in-place activation and destroys it at in-place
// deactivation.
#ifndef KESTREL_CONTROL_FRAME_H
#define KESTREL_CONTROL_FRAME_H

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>
#include <new>
#include <vector>

#include "module/ComPtr.h"
#include "module/control/ConnectionPoint.h"
#include "module/control/ConnectionPointContainer.h"
#include "module/control/ControlDescription.h"
#include "module/control/DataObject.h"
#include "module/control/EventArguments.h"
#include "module/control/InPlaceActiveObject.h"
#include "module/control/InPlaceObject.h"
#include "module/control/InnerUnknown.h"
#include "module/control/OleControl.h"
#include "module/control/OleObject.h"
#include "module/control/PersistStorage.h"
#include "module/control/PersistStreamInit.h"
#include "module/control/PropertyPages.h"
#include "module/control/ProvideClassInfo.h"
#include "module/control/QuickActivation.h"
#include "module/control/ViewObject.h"

class CControlFrame {
  public:
    CControlFrame(const CControlFrame&) = delete;
    CControlFrame& operator=(const CControlFrame&) = delete;

    // Creates a control of class T (derived from this frame, constructed
    // from the outer unknown) and asks it for `iid`.
    template <class T>
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** ppv);

    // ------------------------------------------------------------ identity
    const CControlDescription& Description() const { return m_description; }
    bool Aggregated() const { return m_controlling != &m_inner; }
    // The first entry of the interface table.
    IUnknown* Identity() { return m_description.interfaces[0].find(*this); }
    // Where `iid` is kept: in the control's own table, else among the parts
    // every control has; null when neither answers it.
    IUnknown* FindInterface(REFIID iid);
    IUnknown* Controlling() const { return m_controlling; }
    IUnknown* Inner() { return &m_inner; }

    // --------------------------------------------------------------- state
    IOleClientSite* ClientSite() const { return m_clientSite.Get(); }
    void SetClientSite(IOleClientSite* site) { m_clientSite = site; }
    const SIZEL& Extent() const { return m_extent; }
    void SetExtent(const SIZEL& extent) { m_extent = extent; }
    bool IsDirty() const { return m_dirty; }
    void SetDirty(bool dirty) { m_dirty = dirty; }
    HWND Window() const { return m_window; }
    bool InPlaceActive() const { return m_inPlaceActive; }
    bool UIActive() const { return m_uiActive; }

    // ---------------------------------------------------------- activation
    // In-place activation for `verb`, UI activation too for the verbs that
    // ask for it (OLEIVERB_PRIMARY, OLEIVERB_SHOW, OLEIVERB_UIACTIVATE).
    HRESULT InPlaceActivate(LONG verb);
    HRESULT UIDeactivate();
    // Destroys the window.
    HRESULT InPlaceDeactivate();
    HRESULT SetObjectRects(const RECT* position, const RECT* clip);

    // ------------------------------------------------ drawing and changes
    // Draws the control into `dc` within `bounds` (logical units of `dc`).
    // Outside a metafile the draw operation gets device units and MM_TEXT.
    void DrawView(HDC dc, const RECTL& bounds);
    // The picture changed: repaint the window, or tell the view's sink.
    void ViewChanged();
    // A property changed: the control needs saving, property sinks and data
    // sinks hear of it, and the picture is redrawn.
    void PropertyChanged(DISPID dispid);

    // -------------------------------------------------------------- events
    const std::vector<std::unique_ptr<CConnectionPoint>>& ConnectionPoints() const { return m_points; }
    CConnectionPoint* FindConnectionPoint(REFIID iid) const;
    // Fires event `dispid` of connection point `point` to every sink (the one
    // firing operation of both controls). The control stays alive until the
    // firing returns, even if a sink releases the host's last reference.
    LONG FireEvent(REFIID point, DISPID dispid, CEventArguments& arguments);

    // ------------------------------------------------------ control's own
    // The control's own IDispatch, through which VARIANT entries are
    // persisted (the controlling unknown's may be an outer object's).
    virtual IDispatch* PropertyDispatch() { return nullptr; }
    // Keyboard messages the container offers the UI-active control first;
    // S_OK when consumed.
    virtual HRESULT TranslateAccelerator(MSG*) { return S_FALSE; }

    // --------------------------------------------------------------- parts
    COleObject& OleObjectPart() { return m_oleObject; }
    CViewObject& ViewObjectPart() { return m_viewObject; }
    CPersistStreamInit& PersistStreamPart() { return m_persistStream; }
    CDataObject& DataObjectPart() { return m_dataObject; }

    // An entry for the controls that answer ISpecifyPropertyPages.
    static IUnknown* FindPropertyPages(CControlFrame& f) {
        return static_cast<ISpecifyPropertyPages*>(&f.m_propertyPages);
    }

  protected:
    CControlFrame(const CControlDescription& description, IUnknown* outer);
    virtual ~CControlFrame();

    // The control's message map. True when the message was handled, with
    // its result; otherwise the frame's generic handling and then the
    // default window procedure get it.
    virtual bool ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result);
    // The control's draw operation, in device units.
    virtual void OnDraw(HDC dc, const RECT& bounds);

  private:
    friend class CInnerUnknown;

    // The parts every control has, found after the control's own entries.
    static IUnknown* FindViewObject(CControlFrame& f) { return static_cast<IViewObjectEx*>(&f.m_viewObject); }
    static IUnknown* FindInPlaceObject(CControlFrame& f) {
        return static_cast<IOleInPlaceObjectWindowless*>(&f.m_inPlaceObject);
    }
    static IUnknown* FindInPlaceActiveObject(CControlFrame& f) {
        return static_cast<IOleInPlaceActiveObject*>(&f.m_inPlaceActiveObject);
    }
    static IUnknown* FindOleControl(CControlFrame& f) { return static_cast<IOleControl*>(&f.m_oleControl); }
    static IUnknown* FindOleObject(CControlFrame& f) { return static_cast<IOleObject*>(&f.m_oleObject); }
    static IUnknown* FindPersistStreamInit(CControlFrame& f) {
        return static_cast<IPersistStreamInit*>(&f.m_persistStream);
    }
    static IUnknown* FindPersistStorage(CControlFrame& f) { return static_cast<IPersistStorage*>(&f.m_persistStorage); }
    static IUnknown* FindConnectionPointContainer(CControlFrame& f) {
        return static_cast<IConnectionPointContainer*>(&f.m_pointContainer);
    }
    static IUnknown* FindQuickActivate(CControlFrame& f) { return static_cast<IQuickActivate*>(&f.m_quickActivate); }
    static IUnknown* FindDataObject(CControlFrame& f) { return static_cast<IDataObject*>(&f.m_dataObject); }
    static IUnknown* FindClassInfo(CControlFrame& f) { return static_cast<IProvideClassInfo2*>(&f.m_classInfo); }

    // Last work before destruction, while the object is still whole: the
    // window (with the control's message map) and the sinks go.
    void Shutdown();

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    bool HandleGenericMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result);
    HRESULT CreateControlWindow(HWND parent, const RECT& position);
    HRESULT UIActivate();
    void OnPaint(HDC given);

    const CControlDescription& m_description;
    CInnerUnknown m_inner;
    IUnknown* const m_controlling;

    CComPtr<IOleClientSite> m_clientSite;
    CComPtr<IOleInPlaceSite> m_inPlaceSite;
    CComPtr<IOleInPlaceFrame> m_inPlaceFrame;
    CComPtr<IOleInPlaceUIWindow> m_inPlaceUIWindow;
    bool m_inPlaceActive = false;
    bool m_uiActive = false;
    HWND m_window = nullptr;
    // Two inches square until the container says otherwise.
    SIZEL m_extent{5080, 5080};
    bool m_dirty = false;

    std::vector<std::unique_ptr<CConnectionPoint>> m_points;

    COleObject m_oleObject{*this};
    CInPlaceObject m_inPlaceObject{*this};
    CInPlaceActiveObject m_inPlaceActiveObject{*this};
    COleControl m_oleControl{*this};
    CViewObject m_viewObject{*this};
    CPersistStreamInit m_persistStream{*this};
    CPersistStorage m_persistStorage{*this};
    CConnectionPointContainer m_pointContainer{*this};
    CPropertyPages m_propertyPages{*this};
    CQuickActivation m_quickActivate{*this};
    CDataObject m_dataObject{*this};
    CProvideClassInfo m_classInfo{*this};
};

template <class T>
HRESULT CControlFrame::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (outer != nullptr && (!T::Describe().aggregatable || !IsEqualIID(iid, IID_IUnknown)))
        return CLASS_E_NOAGGREGATION;
    T* control = nullptr;
    try {
        control = new T(outer);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    // Held around the question, so that a refused interface destroys the
    // new control again.
    IUnknown* inner = control->Inner();
    inner->AddRef();
    const HRESULT hr = inner->QueryInterface(iid, ppv);
    inner->Release();
    return hr;
}

#endif
