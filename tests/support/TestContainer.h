// TestContainer: a top-level window that embeds one control as a host does
// (through a ControlSite filling the window's client area):
//
//   TestContainer container;
//   ASSERT_HRESULT_SUCCEEDED(container.Create(CreateDeviceTransfer));
//   ASSERT_HRESULT_SUCCEEDED(container.Activate());
//   HWND pane = container.ControlWindow();
//   auto transfer = container.Query<IDeviceTransfer>(IID_IDeviceTransfer);
//
// The control follows the window's size. Destruction closes the control
// (deactivation, IOleObject::Close, client site taken away), releases it
// and destroys the window.
#ifndef KESTREL_TESTS_TEST_CONTAINER_H
#define KESTREL_TESTS_TEST_CONTAINER_H

#include <windows.h>
#include <ole2.h>
#include "module/ComPtr.h"

#include <memory>
#include <type_traits>

#include "container/ControlSite.h"

class TestContainer {
  public:
    // The instance creators of the object map (CreateDeviceTransfer, CreateMenuCtrl).
    using Creator = HRESULT (*)(IUnknown* outer, REFIID iid, void** ppv);

    explicit TestContainer(SIZE clientSize = {480, 320});
    ~TestContainer();
    TestContainer(const TestContainer&) = delete;
    TestContainer& operator=(const TestContainer&) = delete;

    // Create a control and embed it (ControlSite::Embed); the failure of
    // either step is returned. An object that is no OLE control stays
    // reachable through Control().
    HRESULT Create(Creator creator);
    HRESULT Create(REFCLSID clsid);
    HRESULT Create(const wchar_t* progId);
    HRESULT Embed(IUnknown* control, IStream* state = nullptr);

    HRESULT Activate(LONG verb = OLEIVERB_INPLACEACTIVATE) { return site_->Activate(verb); }
    HRESULT Deactivate() { return site_->Deactivate(); }
    void Close() { site_->Close(); }

    // New client size, as a user's resizing gives it; the control follows.
    void Resize(SIZE clientSize);

    HWND Window() const { return window_.get(); }
    HWND ControlWindow() const { return site_->ControlWindow(); }
    IUnknown* Control() const { return site_->Control(); }
    ControlSite& Site() const { return *site_.Get(); }

    // The control's interface `I`; null when it does not answer.
    template <class I>
    ComPtr<I> Query() const {
        ComPtr<I> result;
        if (Control() != nullptr)
            Control()->QueryInterface(__uuidof(I), reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
        return result;
    }
    // Same, for interfaces without __uuidof (those of Kestrel.h).
    template <class I>
    ComPtr<I> Query(REFIID iid) const {
        ComPtr<I> result;
        if (Control() != nullptr)
            Control()->QueryInterface(iid, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
        return result;
    }

    // Dispatches every message waiting for this thread's windows, so that
    // painting and posted work happen before the test looks.
    static void ProcessMessages();

  private:
    struct WindowDestroyer {
        void operator()(HWND window) const { DestroyWindow(window); }
    };
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);

    std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
    ComPtr<ControlSite> site_;
};

#endif
