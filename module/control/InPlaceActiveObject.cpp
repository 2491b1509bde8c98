#include "module/control/InPlaceActiveObject.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP CInPlaceActiveObject::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = m_frame.Window();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CInPlaceActiveObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP CInPlaceActiveObject::TranslateAccelerator(LPMSG message) {
    if (message == nullptr) return E_POINTER;
    return m_frame.TranslateAccelerator(message);
}

STDMETHODIMP CInPlaceActiveObject::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP CInPlaceActiveObject::OnDocWindowActivate(BOOL) { return S_OK; }

// The controls use no toolbars or border space of the container.
STDMETHODIMP CInPlaceActiveObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

STDMETHODIMP CInPlaceActiveObject::EnableModeless(BOOL) { return S_OK; }
