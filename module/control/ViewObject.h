// The control's view object (IViewObjectEx, and through it IViewObject2 and
// IViewObject): drawing through the control's draw operation into any
// drawing context a container gives (window, memory, metafile), the
// extent, and the view's advise sink.
#ifndef KESTREL_VIEW_OBJECT_H
#define KESTREL_VIEW_OBJECT_H

#include <windows.h>
#include <ocidl.h>

#include "module/ComPtr.h"
#include "module/control/FramePart.h"

class CViewObject final : public CFramePart<IViewObjectEx> {
  public:
    using CFramePart::CFramePart;

    // The view's sink, if the container set one.
    IAdviseSink* Sink() const { return m_sink.Get(); }
    DWORD ViewStatus() const { return VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND; }

    // IViewObject
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetDC, HDC dc,
                      LPCRECTL bounds, LPCRECTL metafileBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR continueArgument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetDC,
                             LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    // IViewObject2
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, LPSIZEL size) override;
    // IViewObjectEx
    STDMETHODIMP GetRect(DWORD aspect, LPRECTL rect) override;
    STDMETHODIMP GetViewStatus(DWORD* status) override;
    STDMETHODIMP QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG closeHint, DWORD* hit) override;
    STDMETHODIMP QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG closeHint, DWORD* hit) override;
    STDMETHODIMP GetNaturalExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, HDC targetDC,
                                  DVEXTENTINFO* extentInfo, LPSIZEL size) override;

  private:
    CComPtr<IAdviseSink> m_sink;
    DWORD m_sinkAspects = 0;
    DWORD m_sinkFlags = 0;
};

#endif
