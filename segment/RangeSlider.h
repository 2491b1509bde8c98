// A range bar that the user drags: a thumb just inside each end of the
// segment moves that end, the segment between the thumbs moves whole. It
// has no window: the owner window hands it its set-cursor and button-press
// messages, and tells it to stop when it loses the mouse capture.
#ifndef KESTREL_RANGE_SLIDER_H
#define KESTREL_RANGE_SLIDER_H

#include "segment/RangeBar.h"
#include "segment/RangeListener.h"
#include "segment/RangeMouseHandler.h"

class COffscreenBuffer;

class CRangeSlider : public CRangeBar, public IRangeMouseHandler {
  public:
    enum Thumb { kStartThumb = 0, kEndThumb = 1 };

    CRangeSlider(COLORREF colour, int total, int start, int end);

    void Draw(HDC dc, const RECT* clip) override;
    // The listener is not owned. Returns the previous one.
    virtual IRangeListener* SetListener(IRangeListener* listener);
    // Ends a running drag after the message being dispatched.
    virtual void StopDrag();

    // Runs the drag when (x, y) is on a thumb or on the segment between
    // them, and answers whether it ran; the owner then applies the values.
    bool OnLButtonDown(UINT flags, int x, int y) override;
    // Sets the sizing cursor while the pointer is over a thumb.
    bool OnSetCursor(UINT hitTest, UINT message) override;

    RECT& GetThumbRect(int which, RECT& out) const;
    bool IsDragging() const { return m_fDragging; }

  private:
    bool CanDrag() const;
    // The modal loop of one press: runs until the button is released, the
    // drag is stopped or the thread is asked to quit.
    void DragLoop(int mode, int x0, int y0);
    void RedrawNow(const COffscreenBuffer& buffer);

    IRangeListener* m_pListener = nullptr;
    bool m_fDragging = false;
};

#endif
