// The DeviceTransfer control (the device pane): a status area on the left
// and the program list on the right, driven by the host through
// IDeviceTransfer and IPluginText.
#ifndef KESTREL_DEVICE_TRANSFER_H
#define KESTREL_DEVICE_TRANSFER_H

#include <windows.h>
#include <unknwn.h>

#include <memory>

#include "devicepane/PaneDropTarget.h"
#include "devicepane/PluginPane.h"
#include "devicepane/ProgramList.h"
#include "devicepane/SegmentEditor.h"
#include "devicepane/SegmentTooltip.h"
#include "devicepane/StatusArea.h"
#include "draw/GdiHandles.h"
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
class CDeviceTransfer final : public CControlFrame,
                              public IDispatch,
                              public IDeviceTransfer,
                              public IPluginText,
                              public IAccessibleOwner {
  public:
    static const CControlDescription& Describe();

    // The pane behind an IDeviceTransfer of this module.
    static CDeviceTransfer* From(IDeviceTransfer* pane) { return static_cast<CDeviceTransfer*>(pane); }

    // What the status area shows (read by the accessibility part).
    const CStatusArea& Status() const { return m_Status; }
    // The program list window, and the connection status of the last update.
    HWND ListWindow() const { return m_List.Window(); }
    int ConnectionStatus() const { return m_ConnectionStatus; }

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

    // The common worker of SetDeviceConnection and SetPluginText: the view
    // type of the list, the status message and its colour.
    virtual HRESULT UpdateConnectionStatus(int connectionStatus, int isAnimate, LPCSTR text);

  protected:
    bool ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDraw(HDC dc, const RECT& bounds) override;

  private:
    friend class CControlFrame;
    explicit CDeviceTransfer(IUnknown* outer);
    ~CDeviceTransfer() override;

    LONG Fire(DISPID dispid, CEventArguments& arguments);

    // ------------------------------------------------ pane window messages
    LRESULT OnCreate();
    LRESULT OnSize(int width, int height);
    LRESULT OnDestroy();
    LRESULT OnEraseBackground(HDC dc);
    void OnSetFocus();
    bool OnNotify(NMHDR& header, LRESULT& result);

    // ------------------------------------- list window messages (subclass)
    static LRESULT CALLBACK ListWindowProc(HWND list, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    bool ProcessListMessage(HWND list, UINT message, WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnListPaint(HWND list);
    void OnListMouseMove(POINT point);
    bool OnListNotify(NMHDR& header, LRESULT& result);
    bool OnListSetCursor(HWND list, UINT hitTest, UINT message, LRESULT& result);
    bool OnListLButtonDown(HWND list, UINT flags, POINT point, LRESULT& result);
    void OnListKillFocus();
    void OnListDestroyed(HWND list);

    // ------------------------------------------------------------- layout
    // Places the children in a pane of that size; a plain size change
    // (`full` false) only stretches the list.
    void Layout(int width, int height, bool full);
    void LayoutNow();
    std::string DeviceName() const;
    void WriteMemoryLines();

    CTypeInfoHolder m_DummyDispatch{IID_IDummyDispatch};
    std::unique_ptr<CPaneAccessible> m_pAccessibility;

    DISPLAY_MODE m_DisplayMode = DEVICE_VIEW;
    HFONT m_hFontList = nullptr;  // the list's
    GdiObject<HFONT> m_fontBold;
    CStatusArea m_Status;
    CProgramList m_List;
    CSegmentTooltip m_Tooltip{m_List};
    CSegmentEditor m_Editor;

    int m_ConnectionStatus = 0;
    int m_IsAnimate = 0;
    long m_bPluginTextLocked = 0;
    CDeviceInfo m_DeviceInfo{};
    CPluginPaneSite m_PluginSite;
    CPluginPaneHolder m_PluginPane;
    CPaneDropTarget m_DropTarget{*this};
};

#endif
