#include "devicepane/PluginPane.h"

#include "module/ComPtr.h"

#include <utility>

CPluginPaneSite::CPluginPaneSite(IUnknown& pane, std::function<void()> onNotify)
    : m_pane(pane), m_onNotify(std::move(onNotify)) {}

STDMETHODIMP_(ULONG) CPluginPaneSite::AddRef() { return m_pane.AddRef(); }
STDMETHODIMP_(ULONG) CPluginPaneSite::Release() { return m_pane.Release(); }

STDMETHODIMP CPluginPaneSite::OnPaneNotify() {
    // The host may let the pane go in its OnRefreshRequest handler, and this
    // site and its callback are part of the pane.
    const CComPtr<IUnknown> alive(&m_pane);
    m_onNotify();
    return S_OK;
}

HWND CPluginPaneHolder::Replace(IPluginDevicePane* pane, IPluginPaneSite* site, HWND parent) {
    if (IPluginDevicePane* old = std::exchange(m_pPane, nullptr)) {
        old->ClosePane();
        old->Release();
    }
    m_pPane = pane;
    if (pane == nullptr) return nullptr;
    pane->AddRef();
    pane->SetPaneSite(site);
    HWND window = nullptr;
    if (FAILED(pane->CreatePaneWindow(parent, &window)) || window == nullptr || !IsWindow(window)) return nullptr;
    SetWindowLongPtrA(window, GWLP_ID, PLUGIN_PANE_ID);
    return window;
}

void CPluginPaneHolder::Release() {
    if (IPluginDevicePane* pane = std::exchange(m_pPane, nullptr)) pane->Release();
}

HWND CPluginPaneHolder::Window(HWND pane) { return pane ? GetDlgItem(pane, PLUGIN_PANE_ID) : nullptr; }
