// CFramePart<I>: one interface of a control implemented by a member object
// of its CControlFrame. The part shares the control's identity: its
// IUnknown methods go to the control's controlling unknown (the outer
// object's when the control is aggregated).
#ifndef KESTREL_FRAME_PART_H
#define KESTREL_FRAME_PART_H

#include <windows.h>
#include <unknwn.h>

class CControlFrame;

// The unknown that every interface of `frame` delegates to.
IUnknown* ControllingUnknown(CControlFrame& frame);

template <class I>
class CFramePart : public I {
  public:
    explicit CFramePart(CControlFrame& frame) : m_frame(frame) {}
    CFramePart(const CFramePart&) = delete;
    CFramePart& operator=(const CFramePart&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        return ControllingUnknown(m_frame)->QueryInterface(iid, ppv);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ControllingUnknown(m_frame)->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return ControllingUnknown(m_frame)->Release(); }

  protected:
    ~CFramePart() = default;

    CControlFrame& m_frame;
};

#endif
