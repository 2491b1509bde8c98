#include "module/control/ViewObject.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP CViewObject::Draw(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                               BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    // Only a windowless control may be drawn without bounds, at its own place.
    if (dc == nullptr || bounds == nullptr) return E_INVALIDARG;
    m_frame.DrawView(dc, *bounds);
    return S_OK;
}

STDMETHODIMP CViewObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors != nullptr) *colors = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CViewObject::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
STDMETHODIMP CViewObject::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP CViewObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    m_sink = sink;
    m_sinkAspects = aspects;
    m_sinkFlags = flags;
    return S_OK;
}

STDMETHODIMP CViewObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects != nullptr) *aspects = m_sinkAspects;
    if (flags != nullptr) *flags = m_sinkFlags;
    if (sink != nullptr) {
        *sink = m_sink.Get();
        if (*sink != nullptr) (*sink)->AddRef();
    }
    return S_OK;
}

STDMETHODIMP CViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return E_FAIL;
    *size = m_frame.Extent();
    return S_OK;
}

STDMETHODIMP CViewObject::GetRect(DWORD, LPRECTL rect) {
    if (rect != nullptr) *rect = RECTL{};
    return E_NOTIMPL;
}

STDMETHODIMP CViewObject::GetViewStatus(DWORD* status) {
    if (status == nullptr) return E_POINTER;
    *status = ViewStatus();
    return S_OK;
}

STDMETHODIMP CViewObject::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG, DWORD* hit) {
    if (bounds == nullptr || hit == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *hit = PtInRect(bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP CViewObject::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG, DWORD* hit) {
    if (bounds == nullptr || location == nullptr || hit == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    RECT overlap;
    *hit = IntersectRect(&overlap, bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP CViewObject::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) {
    return E_NOTIMPL;
}
