#include "module/control/ControlFrame.h"

#include "draw/GdiHandles.h"
#include "module/Module.h"
#include "module/control/WindowClass.h"

#include <olectl.h>

#include <utility>

namespace {

bool VerbActivatesUI(LONG verb) {
    return verb == OLEIVERB_PRIMARY || verb == OLEIVERB_SHOW || verb == OLEIVERB_UIACTIVATE;
}

}  // namespace

IUnknown* ControllingUnknown(CControlFrame& frame) { return frame.Controlling(); }

IUnknown* CControlFrame::FindInterface(REFIID iid) {
    static const CInterfaceEntry kFrameInterfaces[] = {
        {&IID_IViewObjectEx, &CControlFrame::FindViewObject},
        {&IID_IViewObject2, &CControlFrame::FindViewObject},
        {&IID_IViewObject, &CControlFrame::FindViewObject},
        {&IID_IOleInPlaceObjectWindowless, &CControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceObject, &CControlFrame::FindInPlaceObject},
        {&IID_IOleWindow, &CControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceActiveObject, &CControlFrame::FindInPlaceActiveObject},
        {&IID_IOleControl, &CControlFrame::FindOleControl},
        {&IID_IOleObject, &CControlFrame::FindOleObject},
        {&IID_IPersistStreamInit, &CControlFrame::FindPersistStreamInit},
        {&IID_IPersist, &CControlFrame::FindPersistStreamInit},
        {&IID_IConnectionPointContainer, &CControlFrame::FindConnectionPointContainer},
        {&IID_IQuickActivate, &CControlFrame::FindQuickActivate},
        {&IID_IPersistStorage, &CControlFrame::FindPersistStorage},
        {&IID_IDataObject, &CControlFrame::FindDataObject},
        {&IID_IProvideClassInfo, &CControlFrame::FindClassInfo},
        {&IID_IProvideClassInfo2, &CControlFrame::FindClassInfo},
    };
    for (const CTable<CInterfaceEntry>& table : {m_description.interfaces, TableOf(kFrameInterfaces)})
        for (const CInterfaceEntry& entry : table)
            if (IsEqualIID(iid, *entry.iid)) return entry.find(*this);
    return nullptr;
}

CControlFrame::CControlFrame(const CControlDescription& description, IUnknown* outer)
    : m_description(description), m_inner(*this), m_controlling(outer != nullptr ? outer : &m_inner) {
    m_points.reserve(description.connectionPoints.size());
    for (const IID* iid : description.connectionPoints)
        m_points.push_back(std::make_unique<CConnectionPoint>(*this, *iid));
    // Last: a construction that runs out of memory has taken no lock.
    Module::Lock();
}

CControlFrame::~CControlFrame() {
    // Shutdown has run; this only guards against a window that outlived it.
    if (m_window != nullptr) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    Module::Unlock();
}

void CControlFrame::Shutdown() {
    // A container that released the control without deactivating it: the
    // window still goes through the control's message map. The container is
    // not called back, it may be half destroyed itself.
    if (m_window != nullptr) DestroyWindow(m_window);
    m_inPlaceActive = m_uiActive = false;
    m_inPlaceFrame.Reset();
    m_inPlaceUIWindow.Reset();
    m_inPlaceSite.Reset();
    for (const auto& point : m_points) point->DisconnectAll();
}

// ----------------------------------------------------------------- activation

HRESULT CControlFrame::InPlaceActivate(LONG verb) {
    if (!m_clientSite) return E_UNEXPECTED;
    // Keeps the control alive while the container is called back.
    const CComPtr<IUnknown> self = Inner();

    if (!m_inPlaceActive) {
        CComPtr<IOleInPlaceSite> site;
        if (FAILED(m_clientSite.As(&site))) return E_FAIL;
        CComPtr<IOleInPlaceSiteEx> siteEx;
        if (SUCCEEDED(site.As(&siteEx))) {
            BOOL noRedraw = FALSE;
            // Flags 0: windowed activation, never windowless.
            const HRESULT hr = siteEx->OnInPlaceActivateEx(&noRedraw, 0);
            if (FAILED(hr)) return hr;
        } else {
            const HRESULT hr = site->CanInPlaceActivate();
            if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
            site->OnInPlaceActivate();
        }
        m_inPlaceSite = site;
        m_inPlaceActive = true;

        HWND parent = nullptr;
        RECT position{}, clip{};
        OLEINPLACEFRAMEINFO frameInfo{};
        frameInfo.cb = sizeof frameInfo;
        if (m_inPlaceSite->GetWindow(&parent) != S_OK || parent == nullptr) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        m_inPlaceSite->GetWindowContext(m_inPlaceFrame.ReleaseAndGetAddressOf(),
                                        m_inPlaceUIWindow.ReleaseAndGetAddressOf(), &position, &clip, &frameInfo);
        const HRESULT hr = CreateControlWindow(parent, position);
        if (FAILED(hr)) {
            InPlaceDeactivate();
            return hr;
        }
        SetObjectRects(&position, &clip);
    } else if (m_window != nullptr && verb != OLEIVERB_HIDE) {
        ShowWindow(m_window, SW_SHOW);
    }

    if (VerbActivatesUI(verb)) {
        const HRESULT hr = UIActivate();
        if (FAILED(hr)) return hr;
    }
    m_clientSite->ShowObject();
    return S_OK;
}

HRESULT CControlFrame::CreateControlWindow(HWND parent, const RECT& position) {
    if (!EnsureWindowClass(m_description.windowClass, m_description.windowClassStyle, WindowProc)) return E_FAIL;
    const HWND window =
        CreateWindowExA(0, m_description.windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        position.left, position.top, position.right - position.left, position.bottom - position.top,
                        parent, nullptr, Module::Instance(), this);
    return window != nullptr ? S_OK : E_FAIL;
}

HRESULT CControlFrame::UIActivate() {
    if (m_uiActive) return S_OK;
    m_uiActive = true;
    const HRESULT hr = m_inPlaceSite->OnUIActivate();
    if (FAILED(hr)) {
        m_uiActive = false;
        return hr;
    }
    if (m_window != nullptr && GetFocus() != m_window && !IsChild(m_window, GetFocus())) ::SetFocus(m_window);
    IOleInPlaceActiveObject* active = &m_inPlaceActiveObject;
    if (m_inPlaceFrame) m_inPlaceFrame->SetActiveObject(active, nullptr);
    if (m_inPlaceUIWindow) m_inPlaceUIWindow->SetActiveObject(active, nullptr);
    // No toolbars: the container keeps its border space.
    if (m_inPlaceFrame) m_inPlaceFrame->SetBorderSpace(nullptr);
    if (m_inPlaceUIWindow) m_inPlaceUIWindow->SetBorderSpace(nullptr);
    return S_OK;
}

HRESULT CControlFrame::UIDeactivate() {
    if (!m_uiActive) return S_OK;
    const CComPtr<IUnknown> self = Inner();
    m_uiActive = false;
    if (m_inPlaceUIWindow) m_inPlaceUIWindow->SetActiveObject(nullptr, nullptr);
    if (m_inPlaceFrame) m_inPlaceFrame->SetActiveObject(nullptr, nullptr);
    if (m_inPlaceSite) m_inPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT CControlFrame::InPlaceDeactivate() {
    if (!m_inPlaceActive) return S_OK;
    const CComPtr<IUnknown> self = Inner();
    UIDeactivate();
    m_inPlaceActive = false;
    if (m_window != nullptr) DestroyWindow(m_window);
    m_inPlaceFrame.Reset();
    m_inPlaceUIWindow.Reset();
    // The plain notification, also to an IOleInPlaceSiteEx: every site has it.
    const CComPtr<IOleInPlaceSite> site = std::move(m_inPlaceSite);
    if (site) site->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT CControlFrame::SetObjectRects(const RECT* position, const RECT* clip) {
    if (position == nullptr || clip == nullptr) return E_POINTER;
    if (m_window == nullptr) return S_OK;
    // Clipped by the container: only the visible part of the window shows.
    RECT visible;
    GdiObject<HRGN> region;
    if (IntersectRect(&visible, position, clip) && !EqualRect(&visible, position)) {
        OffsetRect(&visible, -position->left, -position->top);
        region.Reset(CreateRectRgnIndirect(&visible));
    }
    if (SetWindowRgn(m_window, region.Get(), TRUE)) region.Release();  // the window owns it now
    SetWindowPos(m_window, nullptr, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

// -------------------------------------------------------- drawing and changes

void CControlFrame::DrawView(HDC dc, const RECTL& bounds) {
    RECT area{bounds.left, bounds.top, bounds.right, bounds.bottom};
    // A metafile records logical units; anywhere else the draw operation
    // works in device units, whatever mapping the container set.
    if (GetDeviceCaps(dc, TECHNOLOGY) == DT_METAFILE) {
        OnDraw(dc, area);
        return;
    }
    LPtoDP(dc, reinterpret_cast<POINT*>(&area), 2);
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    OnDraw(dc, area);
    RestoreDC(dc, saved);
}

void CControlFrame::ViewChanged() {
    if (m_window != nullptr)
        InvalidateRect(m_window, nullptr, TRUE);
    else if (IAdviseSink* sink = m_viewObject.Sink())
        sink->OnViewChange(DVASPECT_CONTENT, -1);
}

void CControlFrame::PropertyChanged(DISPID dispid) {
    const CComPtr<IUnknown> self = Inner();
    m_dirty = true;
    if (CConnectionPoint* point = FindConnectionPoint(IID_IPropertyNotifySink)) point->NotifyChanged(dispid);
    m_dataObject.SendDataChange();
    ViewChanged();
}

// ---------------------------------------------------------------------- events

CConnectionPoint* CControlFrame::FindConnectionPoint(REFIID iid) const {
    for (const auto& point : m_points)
        if (IsEqualIID(point->Iid(), iid)) return point.get();
    return nullptr;
}

LONG CControlFrame::FireEvent(REFIID point, DISPID dispid, CEventArguments& arguments) {
    CConnectionPoint* connection = FindConnectionPoint(point);
    if (connection == nullptr) return 0;
    // A host may release its last reference to the control inside a handler.
    const CComPtr<IUnknown> self = Inner();
    const LONG result = connection->Fire(dispid, arguments.Params());
    return result;
}

// ---------------------------------------------------------------------- window

bool CControlFrame::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void CControlFrame::OnDraw(HDC, const RECT&) {}

LRESULT CALLBACK CControlFrame::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* frame = static_cast<CControlFrame*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
        frame->m_window = window;
    }
    auto* frame = reinterpret_cast<CControlFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr) return DefWindowProcA(window, message, wp, lp);

    // A handler may fire an event in which the host lets the control go:
    // the control lives until the message is handled.
    const CComPtr<IUnknown> self = frame->Inner();
    LRESULT result = 0;
    if (!frame->ProcessWindowMessage(message, wp, lp, result) && !frame->HandleGenericMessage(message, wp, lp, result))
        result = DefWindowProcA(window, message, wp, lp);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        frame->m_window = nullptr;
    }
    return result;
}

bool CControlFrame::HandleGenericMessage(UINT message, WPARAM wp, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_PAINT:
            OnPaint(reinterpret_cast<HDC>(wp));
            result = 0;
            return true;
        case WM_MOUSEACTIVATE:
            // A click activates the control's user interface.
            if (m_inPlaceActive && !m_uiActive) InPlaceActivate(OLEIVERB_UIACTIVATE);
            return false;
        case WM_SETFOCUS:
            if (m_inPlaceActive && !m_uiActive) InPlaceActivate(OLEIVERB_UIACTIVATE);
            [[fallthrough]];
        case WM_KILLFOCUS: {
            CComPtr<IOleControlSite> site;
            if (m_inPlaceActive && m_clientSite && SUCCEEDED(m_clientSite.As(&site)))
                site->OnFocus(message == WM_SETFOCUS);
            return false;
        }
        default:
            return false;
    }
}

void CControlFrame::OnPaint(HDC given) {
    RECT client;
    GetClientRect(m_window, &client);
    if (given != nullptr) {
        OnDraw(given, client);
        return;
    }
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(m_window, &paint)) {
        OnDraw(dc, client);
        EndPaint(m_window, &paint);
    }
}
