// A screen reader's view of the device pane: the accessible object that
// AccessibleObjectFromWindow gives for a window, and small VARIANT helpers.
#ifndef KESTREL_TESTS_ACCESSIBILITY_SUPPORT_H
#define KESTREL_TESTS_ACCESSIBILITY_SUPPORT_H

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/TestContainer.h"

ComPtr<IAccessible> AccessibleOf(HWND window);
// The same object: identities compared.
bool SameObject(IUnknown* a, IUnknown* b);

VARIANT ChildId(LONG id);
// ANSI text as the accessible object returns it.
std::wstring Wide(const std::string& text);
std::wstring ResourceText(UINT id);

// A device pane embedded and active in a test container.
class ActivePane {
  public:
    ActivePane();
    HWND Window() const { return m_container.ControlWindow(); }
    ComPtr<IDeviceTransfer> Transfer() const { return m_container.Query<IDeviceTransfer>(IID_IDeviceTransfer); }
    TestContainer& Container() { return m_container; }

  private:
    TestContainer m_container;
};

#endif
