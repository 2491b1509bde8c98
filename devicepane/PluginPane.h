// A device plug-in's pane in the status area: the object the host hands over
// in CDeviceInfo::pPluginDevicePane, held through its own AddRef and
// Release, and the site the device pane gives it in return.
#ifndef KESTREL_PLUGIN_PANE_H
#define KESTREL_PLUGIN_PANE_H

#include <windows.h>

#include <functional>

#include "module/Kestrel.h"

// The child identifier of the plug-in's window in the device pane.
constexpr int PLUGIN_PANE_ID = 0x8002;

// The site lives as long as the device pane: its AddRef and Release count on
// the pane's object, and OnPaneNotify asks the pane for a refresh.
class CPluginPaneSite final : public IPluginPaneSite {
  public:
    CPluginPaneSite(IUnknown& pane, std::function<void()> onNotify);
    CPluginPaneSite(const CPluginPaneSite&) = delete;
    CPluginPaneSite& operator=(const CPluginPaneSite&) = delete;
    ~CPluginPaneSite() = default;

    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP OnPaneNotify() override;

  private:
    IUnknown& m_pane;
    std::function<void()> m_onNotify;
};

// Holds at most one plug-in pane object.
class CPluginPaneHolder {
  public:
    CPluginPaneHolder() = default;
    CPluginPaneHolder(const CPluginPaneHolder&) = delete;
    CPluginPaneHolder& operator=(const CPluginPaneHolder&) = delete;
    ~CPluginPaneHolder() { Release(); }

    // Closes and lets go of the object held, then takes `pane` (which may be
    // null): AddRef, SetPaneSite, CreatePaneWindow in `parent`. The window,
    // when the plug-in made one, gets PLUGIN_PANE_ID and is returned.
    HWND Replace(IPluginDevicePane* pane, IPluginPaneSite* site, HWND parent);
    // Lets go without ClosePane (the pane's window is going).
    void Release();
    IPluginDevicePane* Get() const { return m_pPane; }

    // The plug-in's window in the pane, if there is one.
    static HWND Window(HWND pane);

  private:
    IPluginDevicePane* m_pPane = nullptr;
};

#endif
