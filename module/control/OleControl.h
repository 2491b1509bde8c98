// The control's IOleControl. The controls have no mnemonics; they keep
// firing events while the container has them frozen (hosts rely on events
// arriving during form loading).
#ifndef KESTREL_OLE_CONTROL_H
#define KESTREL_OLE_CONTROL_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class COleControl final : public CFramePart<IOleControl> {
  public:
    using CFramePart::CFramePart;

    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;
};

#endif
