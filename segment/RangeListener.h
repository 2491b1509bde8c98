// Told by a range slider of every change during a drag.
#ifndef KESTREL_RANGE_LISTENER_H
#define KESTREL_RANGE_LISTENER_H

#include <windows.h>

class IRangeListener {
  public:
    // start and end are the slider's own values: what the listener leaves in
    // them is drawn and kept, without further clamping. barRect is the
    // slider's rectangle in its owner's client coordinates.
    virtual void OnRangeChanging(int total, int& start, int& end, RECT barRect) = 0;

  protected:
    ~IRangeListener() = default;
};

#endif
