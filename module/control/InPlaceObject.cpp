#include "module/control/InPlaceObject.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP CInPlaceObject::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = m_frame.Window();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CInPlaceObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP CInPlaceObject::InPlaceDeactivate() { return m_frame.InPlaceDeactivate(); }

STDMETHODIMP CInPlaceObject::UIDeactivate() { return m_frame.UIDeactivate(); }

STDMETHODIMP CInPlaceObject::SetObjectRects(LPCRECT position, LPCRECT clip) {
    return m_frame.SetObjectRects(position, clip);
}

STDMETHODIMP CInPlaceObject::ReactivateAndUndo() { return E_NOTIMPL; }

// Only a windowless control receives its messages from the container.
STDMETHODIMP CInPlaceObject::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT* result) {
    if (result != nullptr) *result = 0;
    return S_FALSE;
}

// The pane's drop target is handed to the system's drag-and-drop
// registration of its own window, not to containers.
STDMETHODIMP CInPlaceObject::GetDropTarget(IDropTarget** target) {
    if (target == nullptr) return E_POINTER;
    *target = nullptr;
    return E_NOTIMPL;
}
