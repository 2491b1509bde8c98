// A device pane embedded and active in a test container, driven through
// IDeviceTransfer as a host drives it, with the column widths key of the
// registry put back afterwards. PaneTest is the same as a fixture.
#ifndef KESTREL_TESTS_PANE_HOST_H
#define KESTREL_TESTS_PANE_HOST_H

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "container/Variant.h"
#include "devicepane/DeviceTransfer.h"
#include "support/RegistryKeys.h"
#include "support/TestContainer.h"

CDeviceProgram Program(const char* title, int totalTime = 400, int timeOnDevice = 200, int size = 1 << 20,
                       int start = 0, int playBack = 0, bool resizable = true);
// A string of the module's table in the current language, and a template
// of it filled by printf (an independent filling to compare with).
std::string Text(UINT id);
template <class... Args>
std::string Printf(UINT id, Args... args) {
    char text[2048];
    std::snprintf(text, sizeof text, Text(id).c_str(), args...);
    return text;
}

class CPixelCanvas;
// The window's client area as it paints itself now.
std::unique_ptr<CPixelCanvas> Capture(HWND window);

CComPtr<IAccessible> AccessibleOf(HWND window);

class CPaneHost {
  public:
    CPaneHost();
    void OpenPane();
    void ClosePane() {
        m_pPane.Reset();
        m_pContainer.reset();
    }
    HWND Window() const { return m_pContainer->ControlWindow(); }
    HWND List() const { return GetDlgItem(Window(), CProgramList::kControlId); }
    const CStatusArea& Status() const { return CDeviceTransfer::From(m_pPane.Get())->Status(); }
    std::string Cell(int item, int column) const;
    void SetDevice(const char* name, INT64 used = 0, INT64 total = 0, int fields = DEV_NAME | TOTAL_MEM | USED_MEMORY);
    void Add(const CDeviceProgram& program) {
        ASSERT_EQ(S_OK, m_pPane->AddProgram(const_cast<CDeviceProgram*>(&program)));
    }
    // Drags the end thumb of row 0's segment, which ends at `end` of `total`
    // seconds, by each of `dxs` pixels in turn, with mouse messages as the
    // system queues them: the press is handled at once, the moves and the
    // release wait in the queue for the slider's drag loop.
    void DragSegmentEnd(int end, int total, std::initializer_list<int> dxs) const;
    // A device plug-in's pane in the status area; null takes it away.
    void ShowPlugin(IPluginDevicePane* plugin);

    CRegistryKeysGuard m_Registry;
    std::unique_ptr<CTestContainer> m_pContainer;
    CComPtr<IDeviceTransfer> m_pPane;
};

class PaneTest : public testing::Test, public CPaneHost {
  protected:
    void TearDown() override { ClosePane(); }
};

#endif
