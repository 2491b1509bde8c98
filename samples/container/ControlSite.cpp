#include "container/ControlSite.h"

#include "container/HimetricUnits.h"

#include <new>

namespace {

struct CScreenResolution {
    int x = 96;
    int y = 96;
};

CScreenResolution Resolution() {
    CScreenResolution resolution;
    if (HDC screen = GetDC(nullptr)) {
        resolution = {GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
        ReleaseDC(nullptr, screen);
    }
    return resolution;
}

CVariant DialogFont() {
    FONTDESC description{sizeof description,
                         const_cast<LPOLESTR>(L"MS Shell Dlg"),
                         {80000, 0},
                         FW_NORMAL,
                         DEFAULT_CHARSET,
                         FALSE,
                         FALSE,
                         FALSE};
    IDispatch* font = nullptr;
    if (FAILED(OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(&font)))) return CVariant();
    return CVariant::Dispatch(font);
}

}  // namespace

CComPtr<CControlSite> CControlSite::Create(HWND parent, const RECT& position) {
    CComPtr<CControlSite> site;
    site.Attach(new (std::nothrow) CControlSite(parent, position));
    return site;
}

// A host in user mode, with the window colours and the dialog font.
CControlSite::CControlSite(HWND parent, const RECT& position) : m_hWndParent(parent), m_rcPosition(position) {
    m_mapAmbients[DISPID_AMBIENT_USERMODE] = CVariant::Bool(true);
    m_mapAmbients[DISPID_AMBIENT_UIDEAD] = CVariant::Bool(false);
    m_mapAmbients[DISPID_AMBIENT_SHOWHATCHING] = CVariant::Bool(false);
    m_mapAmbients[DISPID_AMBIENT_SHOWGRABHANDLES] = CVariant::Bool(false);
    m_mapAmbients[DISPID_AMBIENT_MESSAGEREFLECT] = CVariant::Bool(false);
    m_mapAmbients[DISPID_AMBIENT_BACKCOLOR] = CVariant::Int32(static_cast<LONG>(0x80000000 | COLOR_WINDOW));
    m_mapAmbients[DISPID_AMBIENT_FORECOLOR] = CVariant::Int32(static_cast<LONG>(0x80000000 | COLOR_WINDOWTEXT));
    m_mapAmbients[DISPID_AMBIENT_LOCALEID] = CVariant::Int32(static_cast<LONG>(GetUserDefaultLCID()));
    m_mapAmbients[DISPID_AMBIENT_DISPLAYNAME] = CVariant::String(L"Kestrel host");
    CVariant font = DialogFont();
    if (font.type() == VT_DISPATCH) m_mapAmbients[DISPID_AMBIENT_FONT] = font;
}

CControlSite::~CControlSite() = default;

HRESULT CControlSite::Embed(IUnknown* control, IStream* state) {
    if (control == nullptr) return E_POINTER;
    if (m_pControl) return E_UNEXPECTED;
    // The record of notifications is the embedded control's: a site that a
    // host reuses for control after control would otherwise grow with each.
    m_vecCalls.clear();
    m_pControl = control;
    HRESULT hr = m_pControl.As(&m_pObject);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = m_pObject->SetClientSite(this))) return hr;
    if (FAILED(hr = Initialize(state))) return hr;
    if (SUCCEEDED(m_pControl.As(&m_pView))) m_pView->SetAdvise(DVASPECT_CONTENT, 0, this);
    SetExtent();
    return S_OK;
}

HRESULT CControlSite::Initialize(IStream* state) {
    CComPtr<IPersistStreamInit> persist;
    if (FAILED(m_pControl.As(&persist))) return state != nullptr ? E_NOINTERFACE : S_OK;
    return state != nullptr ? persist->Load(state) : persist->InitNew();
}

void CControlSite::SetExtent() {
    if (!m_pObject) return;
    const CScreenResolution dpi = Resolution();
    SIZEL extent{HimetricFromPixels(m_rcPosition.right - m_rcPosition.left, dpi.x),
                 HimetricFromPixels(m_rcPosition.bottom - m_rcPosition.top, dpi.y)};
    m_pObject->SetExtent(DVASPECT_CONTENT, &extent);
}

HRESULT CControlSite::Activate(LONG verb) {
    if (!m_pObject) return E_UNEXPECTED;
    return m_pObject->DoVerb(verb, nullptr, this, 0, m_hWndParent, &m_rcPosition);
}

HRESULT CControlSite::Deactivate() {
    CComPtr<IOleInPlaceObject> inPlace;
    if (!m_pControl || FAILED(m_pControl.As(&inPlace))) return E_NOINTERFACE;
    if (m_fUIActive) inPlace->UIDeactivate();
    return inPlace->InPlaceDeactivate();
}

void CControlSite::Close() {
    if (!m_pControl) return;
    // Keeps this site alive while the control lets go of it.
    const CComPtr<CControlSite> self(this);
    if (m_pObject) {
        Deactivate();
        if (m_pView) m_pView->SetAdvise(DVASPECT_CONTENT, 0, nullptr);
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
    }
    m_pActiveObject.Reset();
    m_pView.Reset();
    m_pObject.Reset();
    m_pControl.Reset();
}

void CControlSite::Move(const RECT& position) {
    m_rcPosition = position;
    SetExtent();
    CComPtr<IOleInPlaceObject> inPlace;
    if (m_fInPlaceActive && SUCCEEDED(m_pControl.As(&inPlace))) inPlace->SetObjectRects(&m_rcPosition, &m_rcPosition);
}

bool CControlSite::PreTranslateMessage(MSG& message) {
    if (!m_pActiveObject || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    return m_pActiveObject->TranslateAccelerator(&message) == S_OK;
}

void CControlSite::SetAmbient(DISPID dispid, const CVariant& value) {
    m_mapAmbients[dispid] = value;
    CComPtr<IOleControl> control;
    if (m_pControl && SUCCEEDED(m_pControl.As(&control))) control->OnAmbientPropertyChange(dispid);
}

HWND CControlSite::ControlWindow() const {
    CComPtr<IOleWindow> window;
    HWND handle = nullptr;
    if (m_pControl && SUCCEEDED(m_pControl.As(&window)) && SUCCEEDED(window->GetWindow(&handle))) return handle;
    return nullptr;
}

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP CControlSite::QueryInterface(REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite || iid == IID_IOleInPlaceSiteEx)
        *ppv = static_cast<IOleInPlaceSiteEx*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IOleControlSite)
        *ppv = static_cast<IOleControlSite*>(this);
    else if (iid == IID_IAdviseSink)
        *ppv = static_cast<IAdviseSink*>(this);
    else if (iid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CControlSite::AddRef() { return InterlockedIncrement(&m_nReferences); }

STDMETHODIMP_(ULONG) CControlSite::Release() {
    const ULONG refs = InterlockedDecrement(&m_nReferences);
    if (refs == 0) delete this;
    return refs;
}

// ---------------------------------------------------------- IOleClientSite

STDMETHODIMP CControlSite::SaveObject() {
    Note("SaveObject");
    return S_OK;
}

STDMETHODIMP CControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetContainer(IOleContainer** container) {
    if (container == nullptr) return E_POINTER;
    *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CControlSite::ShowObject() {
    Note("ShowObject");
    return S_OK;
}

STDMETHODIMP CControlSite::OnShowWindow(BOOL) {
    Note("OnShowWindow");
    return S_OK;
}

STDMETHODIMP CControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// -------------------------------------------------------------- IOleWindow

STDMETHODIMP CControlSite::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = m_hWndParent;
    return S_OK;
}

STDMETHODIMP CControlSite::ContextSensitiveHelp(BOOL) { return S_OK; }

// ------------------------------------------------------- IOleInPlaceSiteEx

STDMETHODIMP CControlSite::CanInPlaceActivate() {
    Note("CanInPlaceActivate");
    return S_OK;
}

STDMETHODIMP CControlSite::OnInPlaceActivate() {
    Note("OnInPlaceActivate");
    m_fInPlaceActive = true;
    m_dwActivationFlags = 0;
    return S_OK;
}

STDMETHODIMP CControlSite::OnUIActivate() {
    Note("OnUIActivate");
    m_fUIActive = true;
    return S_OK;
}

STDMETHODIMP CControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                            RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
    Note("GetWindowContext");
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr || frameInfo == nullptr)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = m_rcPosition;
    *clip = m_rcPosition;
    frameInfo->cb = sizeof *frameInfo;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = GetAncestor(m_hWndParent, GA_ROOT);
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CControlSite::Scroll(SIZE) { return E_NOTIMPL; }

STDMETHODIMP CControlSite::OnUIDeactivate(BOOL) {
    Note("OnUIDeactivate");
    m_fUIActive = false;
    return S_OK;
}

STDMETHODIMP CControlSite::OnInPlaceDeactivate() {
    Note("OnInPlaceDeactivate");
    m_fInPlaceActive = false;
    return S_OK;
}

STDMETHODIMP CControlSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP CControlSite::DeactivateAndUndo() { return S_OK; }

STDMETHODIMP CControlSite::OnPosRectChange(const RECT* position) {
    Note("OnPosRectChange");
    if (position == nullptr) return E_POINTER;
    Move(*position);
    return S_OK;
}

STDMETHODIMP CControlSite::OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) {
    Note("OnInPlaceActivateEx");
    if (noRedraw != nullptr) *noRedraw = FALSE;
    m_fInPlaceActive = true;
    m_dwActivationFlags = flags;
    return S_OK;
}

STDMETHODIMP CControlSite::OnInPlaceDeactivateEx(BOOL) {
    Note("OnInPlaceDeactivateEx");
    m_fInPlaceActive = false;
    return S_OK;
}

STDMETHODIMP CControlSite::RequestUIActivate() {
    Note("RequestUIActivate");
    return S_OK;
}

// -------------------------------------------------------- IOleInPlaceFrame

// Toolbars are the host's own business: a control gets no border space.
STDMETHODIMP CControlSite::GetBorder(RECT*) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CControlSite::RequestBorderSpace(const BORDERWIDTHS*) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CControlSite::SetBorderSpace(const BORDERWIDTHS* widths) {
    return widths == nullptr ? S_OK : INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CControlSite::SetActiveObject(IOleInPlaceActiveObject* object, const OLECHAR*) {
    Note("SetActiveObject");
    m_pActiveObject = object;
    return S_OK;
}

STDMETHODIMP CControlSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) { return S_OK; }
STDMETHODIMP CControlSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP CControlSite::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP CControlSite::SetStatusText(const OLECHAR*) { return S_OK; }
STDMETHODIMP CControlSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP CControlSite::TranslateAccelerator(MSG*, WORD) { return S_FALSE; }

// --------------------------------------------------------- IOleControlSite

STDMETHODIMP CControlSite::OnControlInfoChanged() {
    Note("OnControlInfoChanged");
    return S_OK;
}

STDMETHODIMP CControlSite::LockInPlaceActive(BOOL) { return S_OK; }

STDMETHODIMP CControlSite::GetExtendedControl(IDispatch** extended) {
    if (extended == nullptr) return E_POINTER;
    *extended = nullptr;
    return E_NOTIMPL;
}

// The container's unit is the pixel.
STDMETHODIMP CControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
    if (himetric == nullptr || container == nullptr) return E_POINTER;
    const CScreenResolution dpi = Resolution();
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
        container->x = static_cast<FLOAT>(PixelsFromHimetric(himetric->x, dpi.x));
        container->y = static_cast<FLOAT>(PixelsFromHimetric(himetric->y, dpi.y));
    } else if (flags & XFORMCOORDS_CONTAINERTOHIMETRIC) {
        himetric->x = HimetricFromPixels(static_cast<long>(container->x + (container->x < 0 ? -0.5f : 0.5f)), dpi.x);
        himetric->y = HimetricFromPixels(static_cast<long>(container->y + (container->y < 0 ? -0.5f : 0.5f)), dpi.y);
    } else {
        return E_INVALIDARG;
    }
    return S_OK;
}

STDMETHODIMP CControlSite::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }

STDMETHODIMP CControlSite::OnFocus(BOOL gotFocus) {
    Note(gotFocus ? "OnFocus(TRUE)" : "OnFocus(FALSE)");
    return S_OK;
}

STDMETHODIMP CControlSite::ShowPropertyFrame() { return E_NOTIMPL; }

// ------------------------------------------------------------- IAdviseSink

STDMETHODIMP_(void) CControlSite::OnDataChange(FORMATETC*, STGMEDIUM*) {}
STDMETHODIMP_(void) CControlSite::OnViewChange(DWORD, LONG) { ++m_nViewChanges; }
STDMETHODIMP_(void) CControlSite::OnRename(IMoniker*) {}
STDMETHODIMP_(void) CControlSite::OnSave() {}
STDMETHODIMP_(void) CControlSite::OnClose() {}

// --------------------------------------------------- IDispatch (ambients)

STDMETHODIMP CControlSite::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP CControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* dispids) {
    for (UINT i = 0; dispids != nullptr && i < count; ++i) dispids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP CControlSite::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                  UINT*) {
    const auto ambient = m_mapAmbients.find(dispid);
    if (ambient == m_mapAmbients.end() || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (result == nullptr) return S_OK;
    VariantInit(result);
    return VariantCopy(result, const_cast<VARIANT*>(&ambient->second.get()));
}
