// A device pane embedded in the test container, driven through its COM
// interface, with the column widths key of the registry put back afterwards.
#ifndef KESTREL_TESTS_PANE_FIXTURE_H
#define KESTREL_TESTS_PANE_FIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "devicepane/DeviceTransfer.h"
#include "support/RegistryKeys.h"
#include "support/TestContainer.h"

CDeviceProgram Program(const char* title, int totalTime, int timeOnDevice, int size, int start = 0, int playBack = 0,
                       bool resizable = true);
// A string of the module's table in the current language.
std::string Text(UINT id);
// printf of a template of the table (an independent filling to compare with).
std::string Printf(UINT id, const char* a, const char* b = "", const char* c = "", const char* d = "");

class PixelCanvas;

// The window's client area as it paints itself now.
std::unique_ptr<PixelCanvas> Capture(HWND window);

class PaneTest : public testing::Test {
  protected:
    void SetUp() override;
    // Creates and activates a pane in a new container.
    void OpenPane();
    void TearDown() override { container_.reset(); }

    // Destroys the pane (and its window) now.
    void ClosePane() {
        pane_.Reset();
        container_.reset();
    }
    HWND List() const { return GetDlgItem(container_->ControlWindow(), CProgramList::kControlId); }
    const CStatusArea& Status() const { return CDeviceTransfer::From(pane_.Get())->Status(); }
    std::string Cell(int item, int column) const;
    void SetDevice(const char* name, INT64 used = 0, INT64 total = 0, int fields = DEV_NAME | TOTAL_MEM | USED_MEMORY);
    void Add(const CDeviceProgram& program) {
        ASSERT_EQ(S_OK, pane_->AddProgram(const_cast<CDeviceProgram*>(&program)));
    }

    RegistryKeysGuard registry_;
    std::unique_ptr<TestContainer> container_;
    ComPtr<IDeviceTransfer> pane_;
};

#endif
