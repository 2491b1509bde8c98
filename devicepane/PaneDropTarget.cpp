#include "devicepane/PaneDropTarget.h"

#include "devicepane/DeviceTransfer.h"

CPaneDropTarget::CPaneDropTarget(CDeviceTransfer& pane) : CFramePart(pane), m_pane(pane) {}

CPaneDropTarget::~CPaneDropTarget() { Revoke(); }

void CPaneDropTarget::Register(HWND window) {
    if (m_hWndRegistered != nullptr || window == nullptr) return;
    if (SUCCEEDED(::RegisterDragDrop(window, this))) m_hWndRegistered = window;
}

void CPaneDropTarget::Revoke() {
    if (m_hWndRegistered == nullptr) return;
    ::RevokeDragDrop(m_hWndRegistered);
    m_hWndRegistered = nullptr;
}

// The results are whatever the host's sink left in the event's result.

STDMETHODIMP CPaneDropTarget::DragEnter(IDataObject* dataObject, DWORD, POINTL, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    // A host that does not answer gets the copy cursor.
    *effect = DROPEFFECT_COPY;
    return m_pane.FireOnDragEnter(dataObject, effect);
}

STDMETHODIMP CPaneDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    return m_pane.FireOnDragOver(effect);
}

STDMETHODIMP CPaneDropTarget::DragLeave() { return m_pane.FireOnDragLeave(); }

STDMETHODIMP CPaneDropTarget::Drop(IDataObject* dataObject, DWORD, POINTL, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    return m_pane.FireOnDrop(dataObject, effect);
}
