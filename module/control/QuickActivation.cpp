#include "module/control/QuickActivation.h"

#include "module/control/ControlFrame.h"

#include <cstddef>

namespace {

// The members this control reads, present in every version of the record.
constexpr std::size_t kContainerFieldsRead = offsetof(QACONTAINER, pUnkEventSink) + sizeof(IUnknown*);

}  // namespace

STDMETHODIMP CQuickActivation::QuickActivate(QACONTAINER* container, QACONTROL* control) {
    if (container == nullptr || control == nullptr) return E_POINTER;
    if (container->cbSize < kContainerFieldsRead || control->cbSize < sizeof(QACONTROL)) return E_INVALIDARG;
    *control = QACONTROL{};
    control->cbSize = sizeof(QACONTROL);

    m_frame.OleObjectPart().SetClientSite(container->pClientSite);
    if (container->pAdviseSink != nullptr)
        m_frame.ViewObjectPart().SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    // A sink the control cannot take leaves its cookie 0, as Advise does.
    if (container->pPropertyNotifySink != nullptr)
        if (CConnectionPoint* point = m_frame.FindConnectionPoint(IID_IPropertyNotifySink))
            point->Advise(container->pPropertyNotifySink, &control->dwPropNotifyCookie);
    if (container->pUnkEventSink != nullptr)
        if (CConnectionPoint* point = m_frame.FindConnectionPoint(*m_frame.Description().defaultSource))
            point->Advise(container->pUnkEventSink, &control->dwEventCookie);

    m_frame.OleObjectPart().GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
    control->dwViewStatus = m_frame.ViewObjectPart().ViewStatus();
    control->dwPointerActivationPolicy = 0;
    return S_OK;
}

STDMETHODIMP CQuickActivation::SetContentExtent(LPSIZEL size) {
    return m_frame.OleObjectPart().SetExtent(DVASPECT_CONTENT, size);
}

STDMETHODIMP CQuickActivation::GetContentExtent(LPSIZEL size) {
    return m_frame.OleObjectPart().GetExtent(DVASPECT_CONTENT, size);
}
