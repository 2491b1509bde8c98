// The mouse messages that an owner window hands to a windowless element.
// Each answers whether it handled the message; a handler that does not
// override one handles nothing.
#ifndef KESTREL_RANGE_MOUSE_HANDLER_H
#define KESTREL_RANGE_MOUSE_HANDLER_H

#include <windows.h>

class IRangeMouseHandler {
  public:
    // x, y in the owner's client coordinates.
    virtual bool OnLButtonDown(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnSetCursor(UINT /*hitTest*/, UINT /*message*/) { return false; }

  protected:
    ~IRangeMouseHandler() = default;
};

#endif
