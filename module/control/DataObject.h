// The control's IDataObject: its picture as a metafile (CF_METAFILEPICT on
// TYMED_MFPICT, the format OLE containers ask controls for), and data
// advise sinks through a data advise holder.
#ifndef KESTREL_DATA_OBJECT_H
#define KESTREL_DATA_OBJECT_H

#include <windows.h>
#include <ole2.h>

#include "module/ComPtr.h"
#include "module/control/FramePart.h"

class CDataObject final : public CFramePart<IDataObject> {
  public:
    using CFramePart::CFramePart;

    // The data sinks hear that the picture changed.
    void SendDataChange();

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override;

  private:
    CComPtr<IDataAdviseHolder> m_adviseHolder;
};

#endif
