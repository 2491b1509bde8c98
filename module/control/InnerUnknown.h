// The control's own IUnknown: it counts the control's references and
// answers QueryInterface from the control's interface table. When the
// control is aggregated, only the outer object holds this unknown, and every
// other interface delegates to the outer one.
#ifndef KESTREL_INNER_UNKNOWN_H
#define KESTREL_INNER_UNKNOWN_H

#include <windows.h>
#include <unknwn.h>

class ControlFrame;

class InnerUnknown final : public IUnknown {
  public:
    explicit InnerUnknown(ControlFrame& frame) : m_frame(frame) {}
    InnerUnknown(const InnerUnknown&) = delete;
    InnerUnknown& operator=(const InnerUnknown&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

  private:
    ControlFrame& m_frame;
    LONG m_refs = 0;
};

#endif
