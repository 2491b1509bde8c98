// CConnectionPoint: one outgoing interface of a control and its connected
// sinks. A sink is kept in a slot; Unadvise empties the slot (which firing
// skips) and slots are never reused, so a cookie never names a later sink.
#ifndef KESTREL_CONNECTION_POINT_H
#define KESTREL_CONNECTION_POINT_H

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstddef>
#include <vector>

#include "module/ComPtr.h"
#include "module/control/FramePart.h"

class CConnectionPoint final : public CFramePart<IConnectionPoint> {
  public:
    CConnectionPoint(CControlFrame& frame, const IID& iid);

    const IID& Iid() const { return m_iid; }

    // IConnectionPoint
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    // IDispatch::Invoke(dispid) on every connected sink of an event
    // dispinterface; sinks' failures are ignored. Returns the integer field
    // of the result as the last invoked sink left it. The caller keeps the
    // control alive meanwhile (CControlFrame::FireEvent).
    LONG Fire(DISPID dispid, DISPPARAMS* params);
    // IPropertyNotifySink::OnChanged(dispid) on every connected sink.
    void NotifyChanged(DISPID dispid);
    // Releases every sink: the control is going away.
    void DisconnectAll();

  private:
    // Calls `visit` with each sink connected when the walk begins, holding a
    // reference to it during the call: a sink may unadvise itself or others,
    // or advise new sinks (which this walk does not reach).
    template <class Visit>
    void VisitSinks(Visit visit) {
        const std::size_t count = m_slots.size();
        for (std::size_t i = 0; i < count && i < m_slots.size(); ++i) {
            const CComPtr<IUnknown> sink = m_slots[i];
            if (sink) visit(sink.Get());
        }
    }

    const IID m_iid;
    std::vector<CComPtr<IUnknown>> m_slots;
};

#endif
