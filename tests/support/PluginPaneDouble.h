// A device plug-in's pane as the device pane sees it: it records the calls
// it gets, makes a static child window of the given height (or fails to),
// and keeps the site it is given, with a reference or, as a careless
// plug-in does, without one. The last Release lets go of the site, as a
// plug-in freeing itself would. It lives on the test's stack.
#ifndef KESTREL_TESTS_PLUGIN_PANE_DOUBLE_H
#define KESTREL_TESTS_PLUGIN_PANE_DOUBLE_H

#include <windows.h>

#include <string>

#include "module/Kestrel.h"

class CPluginPaneDouble final : public IPluginDevicePane {
  public:
    explicit CPluginPaneDouble(bool holdSite = false, int height = 40, HRESULT create = S_OK)
        : m_fHoldSite(holdSite), m_nHeight(height), m_hrCreate(create) {}
    ~CPluginPaneDouble() { DestroyPaneWindow(); }
    CPluginPaneDouble(const CPluginPaneDouble&) = delete;
    CPluginPaneDouble& operator=(const CPluginPaneDouble&) = delete;

    STDMETHODIMP_(ULONG) AddRef() override { return Note("AddRef"), ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        Note("Release");
        if (--m_nRefs == 0) KeepSite(nullptr);
        return m_nRefs;
    }
    STDMETHODIMP CreatePaneWindow(HWND parent, HWND* pane) override {
        Note("CreatePaneWindow");
        if (FAILED(m_hrCreate)) return m_hrCreate;
        m_hWnd =
            CreateWindowExA(0, "STATIC", "plug-in", WS_CHILD, 0, 0, 150, m_nHeight, parent, nullptr, nullptr, nullptr);
        *pane = m_hWnd;
        return m_hWnd != nullptr ? S_OK : E_FAIL;
    }
    STDMETHODIMP SetPaneSite(IPluginPaneSite* site) override {
        Note("SetPaneSite");
        KeepSite(site);
        return S_OK;
    }
    STDMETHODIMP ClosePane() override {
        Note("ClosePane");
        DestroyPaneWindow();
        KeepSite(nullptr);
        return S_OK;
    }

    std::string m_strCalls;  // "AddRef SetPaneSite ..."
    IPluginPaneSite* m_pSite = nullptr;
    HWND m_hWnd = nullptr;
    ULONG m_nRefs = 0;

  private:
    void Note(const char* call) { m_strCalls += std::string(m_strCalls.empty() ? "" : " ") + call; }
    void KeepSite(IPluginPaneSite* site) {
        if (m_fHoldSite && site != nullptr) site->AddRef();
        if (m_fHoldSite && m_pSite != nullptr) m_pSite->Release();
        m_pSite = site;
    }
    void DestroyPaneWindow() {
        if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }

    const bool m_fHoldSite;
    const int m_nHeight;
    const HRESULT m_hrCreate;
};

#endif
