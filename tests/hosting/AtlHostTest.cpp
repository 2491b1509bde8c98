// Both controls in a control host that is not ours: Wine's ATL, which
// creates a control from the ProgID given as the text of an "AtlAxWin"
// window, as resource-built dialogs and many hosts do. (Our own container
// creates them by ProgID in SampleHostTest.)
#include "ControlKinds.h"

#include "support/KestrelRegistration.h"

#include "module/ComPtr.h"

namespace {

template <class Function>
Function Export(HMODULE module, const char* name) {
    // Through the generic function type, which converts to any other.
    return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                             : nullptr;
}

using AxWinInit = BOOL(WINAPI*)();
using AxGetControl = HRESULT(WINAPI*)(HWND host, IUnknown** control);

struct WineAtl {
    // atl.dll stays loaded for the whole run: its window class must outlive
    // every host window.
    HMODULE module = LoadLibraryW(L"atl.dll");
    AxWinInit axWinInit = Export<AxWinInit>(module, "AtlAxWinInit");
    AxGetControl axGetControl = Export<AxGetControl>(module, "AtlAxGetControl");
    // Registers the "AtlAxWin" class; a second call fails on the class that
    // already exists, so it is made once.
    bool initialised = axWinInit != nullptr && axWinInit();
};

const WineAtl& Atl() {
    static const WineAtl atl;
    return atl;
}

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

class AtlHost : public testing::TestWithParam<ControlKind> {
  protected:
    void SetUp() override {
        ASSERT_NE(nullptr, Atl().module) << "Wine's atl.dll";
        ASSERT_TRUE(Atl().initialised) << "AtlAxWinInit";
        ASSERT_NE(nullptr, Atl().axGetControl);
        ASSERT_HRESULT_SUCCEEDED(m_registration.Result());
    }

    KestrelRegistration m_registration;
    TestContainer m_parent;  // a plain top-level window here, with no control of its own
};

TEST_P(AtlHost, AtlAxWinWindowHostsTheControlNamedByItsText) {
    const Window host(CreateWindowExW(0, L"AtlAxWin", GetParam().progId, WS_CHILD | WS_VISIBLE, 0, 0, 400, 240,
                                      m_parent.Window(), nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_NE(nullptr, host.get());
    TestContainer::ProcessMessages();

    const HWND control = FindWindowExW(host.get(), nullptr, GetParam().windowClass, nullptr);
    ASSERT_NE(nullptr, control) << "no " << GetParam().name << " window in the AtlAxWin window";
    EXPECT_TRUE(IsWindowVisible(control));

    ComPtr<IUnknown> unknown;
    ASSERT_HRESULT_SUCCEEDED(Atl().axGetControl(host.get(), unknown.ReleaseAndGetAddressOf()));
    ComPtr<IUnknown> identity;
    EXPECT_HRESULT_SUCCEEDED(
        unknown->QueryInterface(GetParam().identity, reinterpret_cast<void**>(identity.ReleaseAndGetAddressOf())));
}

INSTANTIATE_TEST_SUITE_P(BothControls, AtlHost, testing::Values(kDeviceTransfer, kMenuCtrl), ControlKindName);

}  // namespace
