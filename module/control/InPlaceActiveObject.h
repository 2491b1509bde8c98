// The control's IOleInPlaceActiveObject, which the container holds while
// the control is UI-active.
#ifndef KESTREL_IN_PLACE_ACTIVE_OBJECT_H
#define KESTREL_IN_PLACE_ACTIVE_OBJECT_H

#include <windows.h>
#include <ole2.h>

#include "module/control/FramePart.h"

class CInPlaceActiveObject final : public CFramePart<IOleInPlaceActiveObject> {
  public:
    using CFramePart::CFramePart;

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    // IOleInPlaceActiveObject
    STDMETHODIMP TranslateAccelerator(LPMSG message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
};

#endif
