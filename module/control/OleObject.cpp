#include "module/control/OleObject.h"

#include "module/control/ControlFrame.h"

#include <olectl.h>

#include <cwchar>

void COleObject::SendOnSave() {
    if (m_adviseHolder) m_adviseHolder->SendOnSave();
}

STDMETHODIMP COleObject::SetClientSite(IOleClientSite* site) {
    m_frame.SetClientSite(site);
    return S_OK;
}

STDMETHODIMP COleObject::GetClientSite(IOleClientSite** site) {
    if (site == nullptr) return E_POINTER;
    *site = m_frame.ClientSite();
    if (*site != nullptr) (*site)->AddRef();
    return S_OK;
}

STDMETHODIMP COleObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP COleObject::Close(DWORD saveOption) {
    // Keeps the control alive while the container hears of the closing.
    const CComPtr<IUnknown> self = m_frame.Inner();
    m_frame.InPlaceDeactivate();
    if (m_frame.IsDirty() && (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE)) {
        if (IOleClientSite* site = m_frame.ClientSite()) site->SaveObject();
        SendOnSave();
    }
    if (m_adviseHolder) m_adviseHolder->SendOnClose();
    return S_OK;
}

STDMETHODIMP COleObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP COleObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP COleObject::GetClipboardData(DWORD, IDataObject** data) {
    if (data != nullptr) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleObject::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND, LPCRECT) {
    // A container that activates without SetClientSite names its site here.
    if (m_frame.ClientSite() == nullptr && activeSite != nullptr) m_frame.SetClientSite(activeSite);
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
            return m_frame.InPlaceActivate(verb);
        case OLEIVERB_HIDE:
            m_frame.UIDeactivate();
            if (m_frame.Window() != nullptr) ShowWindow(m_frame.Window(), SW_HIDE);
            return S_OK;
        case OLEIVERB_PROPERTIES:
            return ShowProperties();
        case OLEIVERB_DISCARDUNDOSTATE:
            return S_OK;
        default:
            break;
    }
    if (verb < 0) return E_NOTIMPL;
    // An unknown positive verb is taken for the primary one.
    const HRESULT hr = m_frame.InPlaceActivate(OLEIVERB_PRIMARY);
    return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
}

// Neither control has property pages of its own; the container may still
// show its own frame.
HRESULT COleObject::ShowProperties() {
    CComPtr<IOleControlSite> controlSite;
    IOleClientSite* site = m_frame.ClientSite();
    if (site != nullptr &&
        SUCCEEDED(site->QueryInterface(IID_IOleControlSite,
                                       reinterpret_cast<void**>(controlSite.ReleaseAndGetAddressOf()))) &&
        SUCCEEDED(controlSite->ShowPropertyFrame()))
        return S_OK;
    return E_NOTIMPL;
}

STDMETHODIMP COleObject::EnumVerbs(IEnumOLEVERB** verbs) {
    if (verbs == nullptr) return E_POINTER;
    *verbs = nullptr;
    return OleRegEnumVerbs(*m_frame.Description().clsid, verbs);
}

STDMETHODIMP COleObject::Update() { return S_OK; }
STDMETHODIMP COleObject::IsUpToDate() { return S_OK; }

STDMETHODIMP COleObject::GetUserClassID(CLSID* clsid) {
    if (clsid == nullptr) return E_POINTER;
    *clsid = *m_frame.Description().clsid;
    return S_OK;
}

STDMETHODIMP COleObject::GetUserType(DWORD form, LPOLESTR* userType) {
    if (userType == nullptr) return E_POINTER;
    *userType = nullptr;
    if (SUCCEEDED(OleRegGetUserType(*m_frame.Description().clsid, form, userType)) && *userType != nullptr) return S_OK;
    const wchar_t* name = m_frame.Description().userType;
    const std::size_t bytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    *userType = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (*userType == nullptr) return E_OUTOFMEMORY;
    std::wmemcpy(*userType, name, bytes / sizeof(wchar_t));
    return S_OK;
}

STDMETHODIMP COleObject::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (size == nullptr) return E_POINTER;
    const SIZEL old = m_frame.Extent();
    if (old.cx == size->cx && old.cy == size->cy) return S_OK;
    m_frame.SetExtent(*size);
    m_frame.SetDirty(true);
    // OLEMISC_RECOMPOSEONRESIZE: the picture follows the new size.
    m_frame.DataObjectPart().SendDataChange();
    m_frame.ViewChanged();
    return S_OK;
}

STDMETHODIMP COleObject::GetExtent(DWORD aspect, SIZEL* size) {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return E_FAIL;
    *size = m_frame.Extent();
    return S_OK;
}

STDMETHODIMP COleObject::Advise(IAdviseSink* sink, DWORD* connection) {
    if (connection != nullptr) *connection = 0;
    if (sink == nullptr || connection == nullptr) return E_POINTER;
    if (!m_adviseHolder) {
        const HRESULT hr = CreateOleAdviseHolder(m_adviseHolder.ReleaseAndGetAddressOf());
        if (FAILED(hr)) return hr;
    }
    return m_adviseHolder->Advise(sink, connection);
}

STDMETHODIMP COleObject::Unadvise(DWORD connection) {
    if (!m_adviseHolder) return OLE_E_NOCONNECTION;
    return m_adviseHolder->Unadvise(connection);
}

STDMETHODIMP COleObject::EnumAdvise(IEnumSTATDATA** advises) {
    if (advises == nullptr) return E_POINTER;
    *advises = nullptr;
    if (!m_adviseHolder) return S_OK;
    return m_adviseHolder->EnumAdvise(advises);
}

STDMETHODIMP COleObject::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (status == nullptr) return E_POINTER;
    *status = 0;
    if (SUCCEEDED(OleRegGetMiscStatus(*m_frame.Description().clsid, aspect, status))) return S_OK;
    // Not registered (a host that creates the control by its creator): the
    // values that registration would have given.
    *status = aspect == DVASPECT_CONTENT ? kContentMiscStatus : 0;
    return S_OK;
}

STDMETHODIMP COleObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }
