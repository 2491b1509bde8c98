// Both controls in a control host that is not ours: Wine's ATL, which
// creates a control from the ProgID given as the text of an "AtlAxWin"
// window, as resource-built dialogs and many hosts do. (Our own container
// creates them by ProgID in SampleHostTest.)
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/KestrelRegistration.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ControlKind {
    const char* name;
    const wchar_t* progId;
    const wchar_t* windowClass;
    IID identity;  // an interface only this control answers
};
std::ostream& operator<<(std::ostream& out, const ControlKind& kind) { return out << kind.name; }

const ControlKind kDeviceTransfer{"DeviceTransfer", L"Tessaly.DeviceTransfer.1", L"Lanthorn DeviceView",
                                  IID_IDeviceTransfer};
const ControlKind kMenuCtrl{"MenuCtrl", L"Menu.id", L"Menu Control class", IID_IMenuCtrl};

// Through the generic function type, which converts to any other.
template <class Function>
Function AtlExport(const char* name) {
    // atl.dll stays loaded for the whole run: its window class must outlive
    // every host window.
    static const HMODULE atl = LoadLibraryW(L"atl.dll");
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(atl, name)));
}

class AtlHost : public testing::TestWithParam<ControlKind> {
  protected:
    // Registers the "AtlAxWin" class; a second call fails on the class that
    // already exists, so it is made once.
    static void SetUpTestSuite() {
        const auto init = AtlExport<BOOL(WINAPI*)()>("AtlAxWinInit");
        s_fInitialised = init != nullptr && init();
    }
    void SetUp() override {
        ASSERT_TRUE(s_fInitialised) << "AtlAxWinInit of Wine's atl.dll";
        ASSERT_HRESULT_SUCCEEDED(m_registration.Result());
    }

    static inline bool s_fInitialised = false;
    CKestrelRegistration m_registration;
    CTestContainer m_parent;  // a plain top-level window here, with no control of its own
};

TEST_P(AtlHost, AtlAxWinWindowHostsTheControlNamedByItsText) {
    const HWND host = CreateWindowExW(0, L"AtlAxWin", GetParam().progId, WS_CHILD | WS_VISIBLE, 0, 0, 400, 240,
                                      m_parent.Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, host);  // a child: it goes with m_parent
    CTestContainer::ProcessMessages();

    const HWND control = FindWindowExW(host, nullptr, GetParam().windowClass, nullptr);
    ASSERT_NE(nullptr, control) << "no " << GetParam().name << " window in the AtlAxWin window";
    EXPECT_TRUE(IsWindowVisible(control));

    const auto getControl = AtlExport<HRESULT(WINAPI*)(HWND, IUnknown**)>("AtlAxGetControl");
    ASSERT_NE(nullptr, getControl);
    CComPtr<IUnknown> unknown, identity;
    ASSERT_HRESULT_SUCCEEDED(getControl(host, unknown.ReleaseAndGetAddressOf()));
    EXPECT_HRESULT_SUCCEEDED(
        unknown->QueryInterface(GetParam().identity, reinterpret_cast<void**>(identity.ReleaseAndGetAddressOf())));
}

INSTANTIATE_TEST_SUITE_P(BothControls, AtlHost, testing::Values(kDeviceTransfer, kMenuCtrl),
                         [](const testing::TestParamInfo<ControlKind>& info) { return std::string(info.param.name); });

}  // namespace
