// CEventSink: a host's sink for one event dispinterface. It answers that
// interface's IID and IDispatch, records every Invoke, and can connect
// itself to a control through its connection point:
//
//   CEventSink sink(DIID__IDeviceTransferEvents);
//   ASSERT_HRESULT_SUCCEEDED(sink.Connect(control));
//   ...                                  // make the control fire
//   EXPECT_EQ(DISPID_OnRefreshRequest, sink.Events().at(0).dispid);
//
// The connection is broken when the sink goes out of scope. Constructed
// with IID_IDispatch, the sink answers IDispatch only, as a careless host's
// sink would. The sample host logs through it; the tests record with it.
#ifndef KESTREL_CONTAINER_EVENT_SINK_H
#define KESTREL_CONTAINER_EVENT_SINK_H

#include <windows.h>
#include <ocidl.h>
#include "module/ComPtr.h"

#include <functional>
#include <memory>
#include <vector>

#include "container/Variant.h"

struct CRecordedEvent {
    DISPID dispid = DISPID_UNKNOWN;
    // Copies of DISPPARAMS::rgvarg, in the order they came: the last
    // parameter first. Param(0) is the first parameter.
    std::vector<CVariant> args;
    UINT namedArgs = 0;
    WORD flags = 0;
    LCID locale = 0;
    bool iidWasNull = false;
    bool resultWanted = false;

    const CVariant& Param(size_t n) const { return args.at(args.size() - 1 - n); }
};

class CEventSink {
  public:
    // Called for each Invoke after it is recorded; `result` may be null.
    using Handler = std::function<void(const CRecordedEvent& event, const DISPPARAMS& params, VARIANT* result)>;

    explicit CEventSink(REFIID events);
    ~CEventSink();
    CEventSink(const CEventSink&) = delete;
    CEventSink& operator=(const CEventSink&) = delete;

    // FindConnectionPoint(events) and Advise on the control; one connection
    // at a time (a second Connect gives E_UNEXPECTED).
    HRESULT Connect(IUnknown* control);
    // Unadvise; S_FALSE when not connected.
    HRESULT Disconnect();
    bool Connected() const { return m_dwCookie != 0; }
    DWORD Cookie() const { return m_dwCookie; }

    // The sink object itself, for a test that calls Advise by hand.
    IDispatch* Dispatch() const;
    // From now on Invoke records the call and then returns `hr`.
    void FailInvoke(HRESULT hr);
    void SetHandler(Handler handler);

    const std::vector<CRecordedEvent>& Events() const;
    std::vector<DISPID> Dispids() const;
    void Clear();

  private:
    class CObject;
    const IID m_iidEvents;
    CComPtr<CObject> m_pObject;
    CComPtr<IConnectionPoint> m_pPoint;
    DWORD m_dwCookie = 0;
};

#endif
