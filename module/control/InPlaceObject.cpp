#include "module/control/InPlaceObject.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP InPlaceObject::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = m_frame.Window();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP InPlaceObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP InPlaceObject::InPlaceDeactivate() { return m_frame.InPlaceDeactivate(); }

STDMETHODIMP InPlaceObject::UIDeactivate() { return m_frame.UIDeactivate(); }

STDMETHODIMP InPlaceObject::SetObjectRects(LPCRECT position, LPCRECT clip) {
    return m_frame.SetObjectRects(position, clip);
}

STDMETHODIMP InPlaceObject::ReactivateAndUndo() { return E_NOTIMPL; }

// Only a windowless control receives its messages from the container.
STDMETHODIMP InPlaceObject::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT* result) {
    if (result != nullptr) *result = 0;
    return S_FALSE;
}

// The pane's drop target is handed to the system's drag-and-drop
// registration of its own window, not to containers.
STDMETHODIMP InPlaceObject::GetDropTarget(IDropTarget** target) {
    if (target == nullptr) return E_POINTER;
    *target = nullptr;
    return E_NOTIMPL;
}
