// FramePart<I>: one interface of a control implemented by a member object
// of its ControlFrame. The part shares the control's identity: its
// IUnknown methods go to the control's controlling unknown (the outer
// object's when the control is aggregated).
#ifndef KESTREL_FRAME_PART_H
#define KESTREL_FRAME_PART_H

#include <windows.h>
#include <unknwn.h>

class ControlFrame;

// The unknown that every interface of `frame` delegates to.
IUnknown* ControllingUnknown(ControlFrame& frame);

template <class I>
class FramePart : public I {
  public:
    explicit FramePart(ControlFrame& frame) : m_frame(frame) {}
    FramePart(const FramePart&) = delete;
    FramePart& operator=(const FramePart&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        return ControllingUnknown(m_frame)->QueryInterface(iid, ppv);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ControllingUnknown(m_frame)->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return ControllingUnknown(m_frame)->Release(); }

  protected:
    ~FramePart() = default;

    ControlFrame& m_frame;
};

#endif
