// The DeviceTransfer control (the device pane).
#ifndef KESTREL_DEVICE_TRANSFER_H
#define KESTREL_DEVICE_TRANSFER_H

#include <windows.h>
#include <unknwn.h>

#include <memory>
#include <string>

#include "module/Kestrel.h"
#include "module/control/ControlFrame.h"
#include "module/control/TypeInfoHolder.h"

// Instance creator of the object map: a new device pane, asked for `iid`.
// The pane cannot be aggregated: a non-null `outer` gives CLASS_E_NOAGGREGATION.
HRESULT CreateDeviceTransfer(IUnknown* outer, REFIID iid, void** ppv);

class CPaneAccessible;

// The pane's identity is IDummyDispatch, a dispatch interface without
// members (the IDispatch base below); the IDispatch that QueryInterface
// returns is a different one, that of the accessibility part.
class DeviceTransfer final : public ControlFrame,
                             public IDispatch,
                             public IDeviceTransfer,
                             public IPluginText,
                             public IAccessibleOwner {
  public:
    static const ControlDescription& Describe();

    // The pane behind an IDeviceTransfer of this module.
    static DeviceTransfer* From(IDeviceTransfer* pane) { return static_cast<DeviceTransfer*>(pane); }

    // Events of the pane, fired synchronously to every connected sink of
    // _IDeviceTransferEvents. Pointers reach the sinks as pointer-sized
    // integers, valid during the call only; the drag and drop events return
    // the integer result that the last sink left.
    LONG FireOnDragEnter(IUnknown* dataObject, DWORD* effect);
    LONG FireOnDragOver(DWORD* effect);
    LONG FireOnDragLeave();
    LONG FireOnDrop(IUnknown* dataObject, DWORD* effect);
    // The document first, then VARIANT_TRUE when the user asked for it.
    LONG FireOnProgramDetailes(const char* document, bool byUser);
    LONG FireDeleteSelectedProgramsRequest();
    // `program` is the record being edited; `fromDialog` is sent as 1 or 0.
    LONG FireOnAdjustProgramSegment(int programIndex, CDeviceProgram* program, bool fromDialog);
    LONG FireOnPlayProgramSegment(const char* productId, int startSeconds);
    LONG FireOnRefreshRequest();

    // What the accessible object reads of the pane, as the pane shows it.
    HWND ListWindow() const;
    int ConnectionStatus() const;
    std::string DeviceNameText() const;
    std::string StatusMessageText() const;
    std::string TotalMemoryText() const;
    std::string FreeMemoryText() const;

    // IUnknown, shared by every interface of the pane
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch as IDummyDispatch: served from the type library, which
    // gives it no members
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* dispids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IDeviceTransfer
    STDMETHODIMP_(long) GetItemsCount() override;
    STDMETHODIMP AddProgram(CDeviceProgram* pProgData) override;
    STDMETHODIMP RemoveProgram(int programIndex) override;
    STDMETHODIMP GetProgramProperties(int programIndex, CDeviceProgram* pProgData) override;
    STDMETHODIMP SetDeviceConnection(int ConnectionStatus, int IsAnimate, LPCSTR lpszStatus) override;
    STDMETHODIMP SetDeviceInfo(CDeviceInfo deviceInfo) override;
    STDMETHODIMP GetDeviceInfo(CDeviceInfo* deviceInfo) override;
    STDMETHODIMP RemoveAllPrograms() override;
    STDMETHODIMP_(long) GetSelCount() override;
    STDMETHODIMP GetSelItems(int* pItemArray, int arraySize) override;
    STDMETHODIMP ShowSelectedProgramDetails() override;
    STDMETHODIMP SetImageList(void* hImageList) override;
    STDMETHODIMP SetDisplayMode(DISPLAY_MODE displayMode) override;
    STDMETHODIMP_(long) GetDisplayMode() override;
    STDMETHODIMP UpdateProgram(int progIndex, CDeviceProgram* pNewProgData, long bRepaintItem) override;
    STDMETHODIMP SetFocus() override;
    STDMETHODIMP CreateProgramAdjustDialog(CDeviceProgram* pDevProg, int progIndex) override;
    STDMETHODIMP SetTransferProgram(LPCSTR pszName) override;
    STDMETHODIMP SetAboutDeviceText(LPCSTR pszText) override;
    STDMETHODIMP SetRedraw(long bRedrawFlag) override;

    // IPluginText
    STDMETHODIMP LockPluginText(long bLock) override;
    STDMETHODIMP SetPluginText(int ConnectionStatus, LPCSTR lpszPluginText) override;

    // IAccessibleOwner
    STDMETHODIMP SetProxy(IUnknown* pProxy) override;
    STDMETHODIMP GetWindowHandle(HWND* phwnd) override;
    STDMETHODIMP Reserved(long* pValue) override;

  protected:
    bool ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDraw(HDC dc, const RECT& bounds) override;

  private:
    friend class ControlFrame;
    explicit DeviceTransfer(IUnknown* outer);
    ~DeviceTransfer() override;

    LONG Fire(DISPID dispid, EventArguments& arguments);

    TypeInfoHolder m_dummyDispatch{IID_IDummyDispatch};
    std::unique_ptr<CPaneAccessible> m_accessibility;
};

#endif
