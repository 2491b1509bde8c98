// The control's own IUnknown: it counts the control's references and
// answers QueryInterface from the control's interface table. When the
// control is aggregated, only the outer object holds this unknown, and every
// other interface delegates to the outer one.
#ifndef KESTREL_INNER_UNKNOWN_H
#define KESTREL_INNER_UNKNOWN_H

#include <windows.h>
#include <unknwn.h>

class CControlFrame;

class CInnerUnknown final : public IUnknown {
  public:
    explicit CInnerUnknown(CControlFrame& frame) : m_frame(frame) {}
    CInnerUnknown(const CInnerUnknown&) = delete;
    CInnerUnknown& operator=(const CInnerUnknown&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

  private:
    CControlFrame& m_frame;
    LONG m_refs = 0;
};

#endif
