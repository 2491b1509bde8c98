#include "module/control/DataObject.h"

#include "draw/GdiHandles.h"
#include "module/control/ControlFrame.h"

#include <memory>
#include <type_traits>

namespace {

struct CMetafileDeleter {
    void operator()(HMETAFILE metafile) const { DeleteMetaFile(metafile); }
};
using Metafile = std::unique_ptr<std::remove_pointer_t<HMETAFILE>, CMetafileDeleter>;

struct CGlobalDeleter {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, CGlobalDeleter>;

LONG PixelsFromHimetric(LONG himetric, int dotsPerInch) { return MulDiv(himetric, dotsPerInch, 2540); }

SIZE ScreenPixels(const SIZEL& himetric) {
    SIZE pixels{PixelsFromHimetric(himetric.cx, 96), PixelsFromHimetric(himetric.cy, 96)};
    if (const CWindowDC screen = CWindowDC::Client(nullptr)) {
        pixels = {PixelsFromHimetric(himetric.cx, GetDeviceCaps(screen.Get(), LOGPIXELSX)),
                  PixelsFromHimetric(himetric.cy, GetDeviceCaps(screen.Get(), LOGPIXELSY))};
    }
    return pixels;
}

bool IsMetafilePicture(const FORMATETC& format) {
    return format.cfFormat == CF_METAFILEPICT && (format.tymed & TYMED_MFPICT) && format.dwAspect == DVASPECT_CONTENT;
}

}  // namespace

void CDataObject::SendDataChange() {
    if (m_adviseHolder) m_adviseHolder->SendOnDataChange(this, 0, 0);
}

STDMETHODIMP CDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (format == nullptr || medium == nullptr) return E_POINTER;
    *medium = STGMEDIUM{};
    if (!IsMetafilePicture(*format)) return DV_E_FORMATETC;

    const SIZEL extent = m_frame.Extent();
    const SIZE pixels = ScreenPixels(extent);
    HDC recorder = CreateMetaFileW(nullptr);
    if (recorder == nullptr) return E_OUTOFMEMORY;
    SetWindowOrgEx(recorder, 0, 0, nullptr);
    SetWindowExtEx(recorder, pixels.cx, pixels.cy, nullptr);
    m_frame.DrawView(recorder, RECTL{0, 0, pixels.cx, pixels.cy});
    Metafile metafile(CloseMetaFile(recorder));
    if (!metafile) return E_OUTOFMEMORY;

    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, sizeof(METAFILEPICT)));
    if (!memory) return E_OUTOFMEMORY;
    auto* picture = static_cast<METAFILEPICT*>(GlobalLock(memory.get()));
    if (picture == nullptr) return E_OUTOFMEMORY;
    picture->mm = MM_ANISOTROPIC;
    picture->xExt = extent.cx;
    picture->yExt = extent.cy;
    picture->hMF = metafile.release();
    GlobalUnlock(memory.get());

    medium->tymed = TYMED_MFPICT;
    medium->hMetaFilePict = memory.release();
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP CDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::QueryGetData(FORMATETC* format) {
    if (format == nullptr) return E_POINTER;
    return IsMetafilePicture(*format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP CDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) {
    if (canonical == nullptr) return E_POINTER;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP CDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC** formats) {
    if (formats == nullptr) return E_POINTER;
    *formats = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CDataObject::DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) {
    if (connection != nullptr) *connection = 0;
    if (format == nullptr || sink == nullptr || connection == nullptr) return E_POINTER;
    if (!m_adviseHolder) {
        const HRESULT hr = CreateDataAdviseHolder(m_adviseHolder.ReleaseAndGetAddressOf());
        if (FAILED(hr)) return hr;
    }
    return m_adviseHolder->Advise(this, format, flags, sink, connection);
}

STDMETHODIMP CDataObject::DUnadvise(DWORD connection) {
    if (!m_adviseHolder) return OLE_E_NOCONNECTION;
    return m_adviseHolder->Unadvise(connection);
}

STDMETHODIMP CDataObject::EnumDAdvise(IEnumSTATDATA** advises) {
    if (advises == nullptr) return E_POINTER;
    *advises = nullptr;
    if (!m_adviseHolder) return S_OK;
    return m_adviseHolder->EnumAdvise(advises);
}
