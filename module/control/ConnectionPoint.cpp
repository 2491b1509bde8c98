#include "module/control/ConnectionPoint.h"

#include "module/control/ComEnumerator.h"
#include "module/control/ScopedVariant.h"

#include <limits>
#include <new>
#include <utility>

namespace {

using ConnectionEnumerator = CComEnumerator<IEnumConnections, CONNECTDATA>;

// Cookies are slot numbers counted from 1: 0 is never a valid cookie.
constexpr std::size_t kMaxSlots = std::numeric_limits<DWORD>::max() - 1;

}  // namespace

CConnectionPoint::CConnectionPoint(CControlFrame& frame, const IID& iid) : CFramePart(frame), m_iid(iid) {}

STDMETHODIMP CConnectionPoint::GetConnectionInterface(IID* iid) {
    if (iid == nullptr) return E_POINTER;
    *iid = m_iid;
    return S_OK;
}

STDMETHODIMP CConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (container == nullptr) return E_POINTER;
    return ControllingUnknown(m_frame)->QueryInterface(IID_IConnectionPointContainer,
                                                       reinterpret_cast<void**>(container));
}

STDMETHODIMP CConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie != nullptr) *cookie = 0;
    if (sink == nullptr || cookie == nullptr) return E_POINTER;
    // The sink must answer the outgoing interface itself: an IDispatch alone
    // does not say that it understands these DISPIDs.
    CComPtr<IUnknown> connection;
    if (FAILED(sink->QueryInterface(m_iid, reinterpret_cast<void**>(connection.ReleaseAndGetAddressOf()))) ||
        !connection)
        return CONNECT_E_CANNOTCONNECT;
    if (m_slots.size() >= kMaxSlots) return CONNECT_E_ADVISELIMIT;
    try {
        m_slots.push_back(std::move(connection));
    } catch (const std::bad_alloc&) {
        return CONNECT_E_ADVISELIMIT;
    }
    *cookie = static_cast<DWORD>(m_slots.size());
    return S_OK;
}

STDMETHODIMP CConnectionPoint::Unadvise(DWORD cookie) {
    if (cookie == 0 || cookie > m_slots.size() || !m_slots[cookie - 1]) return CONNECT_E_NOCONNECTION;
    // Released last: the sink's release may reach back into this control.
    const CComPtr<IUnknown> removed = std::move(m_slots[cookie - 1]);
    return S_OK;
}

STDMETHODIMP CConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections == nullptr) return E_POINTER;
    *connections = nullptr;
    std::vector<CONNECTDATA> live;
    try {
        for (std::size_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i]) live.push_back(CONNECTDATA{m_slots[i].Get(), static_cast<DWORD>(i + 1)});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return ConnectionEnumerator::Create(live, 0, connections);
}

LONG CConnectionPoint::Fire(DISPID dispid, DISPPARAMS* params) {
    CScopedVariant result;
    if (IsEqualIID(m_iid, IID_IPropertyNotifySink)) return 0;
    VisitSinks([&](IUnknown* sink) {
        // Asked for the dispinterface at Advise, so the pointer is an IDispatch.
        static_cast<IDispatch*>(sink)->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params,
                                              result.Receive(), nullptr, nullptr);
    });
    return V_I4(&result.Get());
}

void CConnectionPoint::NotifyChanged(DISPID dispid) {
    if (!IsEqualIID(m_iid, IID_IPropertyNotifySink)) return;
    VisitSinks([dispid](IUnknown* sink) { static_cast<IPropertyNotifySink*>(sink)->OnChanged(dispid); });
}

void CConnectionPoint::DisconnectAll() {
    // Emptied before the sinks are released, which may call Unadvise.
    std::vector<CComPtr<IUnknown>> sinks;
    sinks.swap(m_slots);
}
