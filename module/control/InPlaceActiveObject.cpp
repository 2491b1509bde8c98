#include "module/control/InPlaceActiveObject.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP InPlaceActiveObject::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = m_frame.Window();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP InPlaceActiveObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP InPlaceActiveObject::TranslateAccelerator(LPMSG message) {
    if (message == nullptr) return E_POINTER;
    return m_frame.TranslateAccelerator(message);
}

STDMETHODIMP InPlaceActiveObject::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP InPlaceActiveObject::OnDocWindowActivate(BOOL) { return S_OK; }

// The controls use no toolbars or border space of the container.
STDMETHODIMP InPlaceActiveObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

STDMETHODIMP InPlaceActiveObject::EnableModeless(BOOL) { return S_OK; }
