#include "module/control/ConnectionPointContainer.h"

#include "module/control/ComEnumerator.h"
#include "module/control/ControlFrame.h"

#include <new>
#include <vector>

STDMETHODIMP CConnectionPointContainer::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points == nullptr) return E_POINTER;
    *points = nullptr;
    std::vector<IConnectionPoint*> all;
    try {
        for (const auto& point : m_frame.ConnectionPoints()) all.push_back(point.get());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return CComEnumerator<IEnumConnectionPoints, IConnectionPoint*>::Create(all, 0, points);
}

STDMETHODIMP CConnectionPointContainer::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (point == nullptr) return E_POINTER;
    *point = m_frame.FindConnectionPoint(iid);
    if (*point == nullptr) return CONNECT_E_NOCONNECTION;
    (*point)->AddRef();
    return S_OK;
}
