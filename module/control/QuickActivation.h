// The control's IQuickActivate: a container hands over its client site and
// sinks in one call and receives the control's misc and view status.
#ifndef KESTREL_QUICK_ACTIVATION_H
#define KESTREL_QUICK_ACTIVATION_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class CQuickActivation final : public CFramePart<IQuickActivate> {
  public:
    using CFramePart::CFramePart;

    STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override;
    STDMETHODIMP SetContentExtent(LPSIZEL size) override;
    STDMETHODIMP GetContentExtent(LPSIZEL size) override;
};

#endif
