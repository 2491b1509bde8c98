// What the segment dialog asks of whoever opened it: the device pane fires
// these as its events OnAdjustProgramSegment (flag 1, from the dialog) and
// OnPlayProgramSegment.
#ifndef KESTREL_SEGMENT_DIALOG_HOST_H
#define KESTREL_SEGMENT_DIALOG_HOST_H

#include "module/Kestrel.h"

class ISegmentDialogHost {
  public:
    // The dialog has written a new segment into `program`; the host may
    // correct the segment and sets m_SizeOnDevice before this returns.
    virtual void OnAdjustProgramSegment(int programIndex, CDeviceProgram* program) = 0;
    virtual void OnPlayProgramSegment(const char* productId, int startSeconds) = 0;

  protected:
    ~ISegmentDialogHost() = default;
};

#endif
