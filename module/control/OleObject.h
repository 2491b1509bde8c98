// The control's IOleObject: client site, verbs, extent, user type and misc
// status (from the class's registry entries, with the control's own values
// when the class is not registered), and advise sinks through an OLE
// advise holder.
#ifndef KESTREL_OLE_OBJECT_H
#define KESTREL_OLE_OBJECT_H

#include <windows.h>
#include <ole2.h>

#include "module/ComPtr.h"
#include "module/control/FramePart.h"

class COleObject final : public CFramePart<IOleObject> {
  public:
    // OLEMISC_SETCLIENTSITEFIRST | ACTIVATEWHENVISIBLE | INSIDEOUT |
    // CANTLINKINSIDE | RECOMPOSEONRESIZE, as both classes register it.
    static constexpr DWORD kContentMiscStatus = 131473;

    using CFramePart::CFramePart;

    // The container is told that the control saved itself.
    void SendOnSave();

    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* activeSite, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

  private:
    HRESULT ShowProperties();

    CComPtr<IOleAdviseHolder> m_adviseHolder;
};

#endif
