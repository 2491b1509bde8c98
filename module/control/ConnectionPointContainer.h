// The control's IConnectionPointContainer, over the connection points that
// its description declares.
#ifndef KESTREL_CONNECTION_POINT_CONTAINER_H
#define KESTREL_CONNECTION_POINT_CONTAINER_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class CConnectionPointContainer final : public CFramePart<IConnectionPointContainer> {
  public:
    using CFramePart::CFramePart;

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;
};

#endif
