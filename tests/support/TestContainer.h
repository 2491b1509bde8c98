// A top-level window that embeds one control as a host does (through a
// CControlSite filling the window's client area); the control follows the
// window's size. Destruction closes the control (deactivation,
// IOleObject::Close, client site taken away), releases it and destroys the
// window.
#ifndef KESTREL_TESTS_TEST_CONTAINER_H
#define KESTREL_TESTS_TEST_CONTAINER_H

#include <windows.h>
#include <ole2.h>
#include "module/ComPtr.h"

#include <functional>
#include <memory>
#include <type_traits>

#include "container/ControlSite.h"

class CTestContainer {
  public:
    // The instance creators of the object map (CreateDeviceTransfer, CreateMenuCtrl).
    using Creator = HRESULT (*)(IUnknown* outer, REFIID iid, void** ppv);

    enum VISIBILITY { SHOWN, HIDDEN };
    explicit CTestContainer(SIZE clientSize = {480, 320}, VISIBILITY visibility = SHOWN);
    ~CTestContainer();
    CTestContainer(const CTestContainer&) = delete;
    CTestContainer& operator=(const CTestContainer&) = delete;

    // Create a control and embed it (CControlSite::Embed); the failure of
    // either step is returned. An object that is no OLE control stays
    // reachable through Control().
    HRESULT Create(Creator creator);

    HRESULT Activate(LONG verb = OLEIVERB_INPLACEACTIVATE) { return m_pSite->Activate(verb); }
    HRESULT Deactivate() { return m_pSite->Deactivate(); }
    void Close() { m_pSite->Close(); }

    // New client size, as a user's resizing gives it; the control follows.
    void Resize(SIZE clientSize);

    HWND Window() const { return m_hWndHost.get(); }
    HWND ControlWindow() const { return m_pSite->ControlWindow(); }
    IUnknown* Control() const { return m_pSite->Control(); }
    CControlSite& Site() const { return *m_pSite.Get(); }

    template <class I>
    CComPtr<I> Query(REFIID iid) const {
        CComPtr<I> result;
        if (Control() != nullptr)
            Control()->QueryInterface(iid, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
        return result;
    }

    // Dispatches every message waiting for this thread's windows, so that
    // painting and posted work happen before the test looks.
    static void ProcessMessages();

  private:
    struct CWindowDestroyer {
        void operator()(HWND window) const { DestroyWindow(window); }
    };
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);

    std::unique_ptr<std::remove_pointer_t<HWND>, CWindowDestroyer> m_hWndHost;
    CComPtr<CControlSite> m_pSite;
};

// Dispatches messages until `done` answers true or `timeoutMs` passes;
// true when `done` did.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 4000);
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

#endif
