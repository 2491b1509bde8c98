#include "container/EventSink.h"

#include <new>
#include <utility>

class CEventSink::CObject final : public IDispatch {
  public:
    explicit CObject(REFIID events) : m_iidEvents(events) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == m_iidEvents) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_nReferences); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = InterlockedDecrement(&m_nReferences);
        if (refs == 0) delete this;
        return refs;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override {
        CRecordedEvent event;
        event.dispid = dispid;
        event.flags = flags;
        event.locale = locale;
        event.iidWasNull = iid == IID_NULL;
        event.resultWanted = result != nullptr;
        static DISPPARAMS none{};
        const DISPPARAMS& given = params != nullptr ? *params : none;
        event.namedArgs = given.cNamedArgs;
        for (UINT i = 0; i < given.cArgs && given.rgvarg != nullptr; ++i) event.args.emplace_back(given.rgvarg[i]);
        events.push_back(event);
        // The handler gets its own copy: it may make the control fire again.
        if (handler) handler(event, given, result);
        return invokeResult;
    }

    std::vector<CRecordedEvent> events;
    HRESULT invokeResult = S_OK;
    Handler handler;

  private:
    ~CObject() = default;

    const IID m_iidEvents;
    LONG m_nReferences = 0;
};

CEventSink::CEventSink(REFIID events) : m_iidEvents(events), m_pObject(new (std::nothrow) CObject(events)) {}

CEventSink::~CEventSink() { Disconnect(); }

HRESULT CEventSink::Connect(IUnknown* control) {
    if (control == nullptr) return E_POINTER;
    if (!m_pObject) return E_OUTOFMEMORY;
    if (m_pPoint) return E_UNEXPECTED;
    CComPtr<IConnectionPointContainer> container;
    HRESULT hr = control->QueryInterface(IID_PPV_ARGS(container.ReleaseAndGetAddressOf()));
    if (FAILED(hr)) return hr;
    CComPtr<IConnectionPoint> point;
    if (FAILED(hr = container->FindConnectionPoint(m_iidEvents, point.ReleaseAndGetAddressOf()))) return hr;
    DWORD cookie = 0;
    if (FAILED(hr = point->Advise(m_pObject.Get(), &cookie))) return hr;
    m_pPoint = std::move(point);
    m_dwCookie = cookie;
    return S_OK;
}

HRESULT CEventSink::Disconnect() {
    if (!m_pPoint) return S_FALSE;
    const HRESULT hr = m_pPoint->Unadvise(m_dwCookie);
    m_pPoint.Reset();
    m_dwCookie = 0;
    return hr;
}

IDispatch* CEventSink::Dispatch() const { return m_pObject.Get(); }

void CEventSink::FailInvoke(HRESULT hr) {
    if (m_pObject) m_pObject->invokeResult = hr;
}

void CEventSink::SetHandler(Handler handler) {
    if (m_pObject) m_pObject->handler = std::move(handler);
}

const std::vector<CRecordedEvent>& CEventSink::Events() const {
    static const std::vector<CRecordedEvent> none;
    return m_pObject ? m_pObject->events : none;
}

std::vector<DISPID> CEventSink::Dispids() const {
    std::vector<DISPID> dispids;
    for (const CRecordedEvent& event : Events()) dispids.push_back(event.dispid);
    return dispids;
}

void CEventSink::Clear() {
    if (m_pObject) m_pObject->events.clear();
}
