// The control's in-place object (IOleInPlaceObjectWindowless, and through it
// IOleInPlaceObject and IOleWindow). The controls are never windowless:
// the windowless members report that they have nothing to do.
#ifndef KESTREL_IN_PLACE_OBJECT_H
#define KESTREL_IN_PLACE_OBJECT_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class CInPlaceObject final : public CFramePart<IOleInPlaceObjectWindowless> {
  public:
    using CFramePart::CFramePart;

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    // IOleInPlaceObject
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    // IOleInPlaceObjectWindowless
    STDMETHODIMP OnWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT* result) override;
    STDMETHODIMP GetDropTarget(IDropTarget** target) override;
};

#endif
