#include "devicepane/DeviceTransfer.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <cstring>
#include <string>

#include "devicepane/ColumnWidths.h"
#include "devicepane/PaneAccessible.h"
#include "devicepane/PaneSegmentDialog.h"
#include "devicepane/PaneLayout.h"
#include "devicepane/PaneTexts.h"
#include "devicepane/ProgramActions.h"
#include "devicepane/ReadableString.h"
#include "module/ResourceString.h"
#include "res/resource.h"

HRESULT CreateDeviceTransfer(IUnknown* outer, REFIID iid, void** ppv) {
    return CControlFrame::CreateInstance<CDeviceTransfer>(outer, iid, ppv);
}

const CControlDescription& CDeviceTransfer::Describe() {
    static const CInterfaceEntry interfaces[] = {
        {&IID_IDummyDispatch,
         [](CControlFrame& f) -> IUnknown* { return static_cast<IDispatch*>(&static_cast<CDeviceTransfer&>(f)); }},
        {&IID_IDeviceTransfer,
         [](CControlFrame& f) -> IUnknown* {
             return static_cast<IDeviceTransfer*>(&static_cast<CDeviceTransfer&>(f));
         }},
        {&IID_IDispatch,
         [](CControlFrame& f) -> IUnknown* {
             return static_cast<IAccessible*>(static_cast<CDeviceTransfer&>(f).m_pAccessibility.get());
         }},
        {&IID_ISpecifyPropertyPages, &CControlFrame::FindPropertyPages},
        {&IID_IAccessible,
         [](CControlFrame& f) -> IUnknown* {
             return static_cast<IAccessible*>(static_cast<CDeviceTransfer&>(f).m_pAccessibility.get());
         }},
        {&IID_IAccessibleOwner,
         [](CControlFrame& f) -> IUnknown* {
             return static_cast<IAccessibleOwner*>(&static_cast<CDeviceTransfer&>(f));
         }},
        {&IID_IPluginText,
         [](CControlFrame& f) -> IUnknown* { return static_cast<IPluginText*>(&static_cast<CDeviceTransfer&>(f)); }},
    };
    static const IID* const connectionPoints[] = {&IID_IPropertyNotifySink, &DIID__IDeviceTransferEvents};
    static const CPersistedProperty properties[] = {
        {"_cx", PropertyStorage::ExtentWidth, DISPID_UNKNOWN},
        {"_cy", PropertyStorage::ExtentHeight, DISPID_UNKNOWN},
    };
    static const CControlDescription description{
        &CLSID_DeviceTransfer,
        L"DeviceTransfer Class",
        false,  // not aggregatable
        TableOf(interfaces),
        TableOf(connectionPoints),
        &DIID__IDeviceTransferEvents,  // default source
        TableOf(properties),
        "Lanthorn DeviceView",
        CS_DBLCLKS,
    };
    return description;
}

CDeviceTransfer::CDeviceTransfer(IUnknown* outer)
    : CControlFrame(Describe(), outer),
      m_pAccessibility(std::make_unique<CPaneAccessible>(*this)),
      m_Editor(m_List, [this](int item, CDeviceProgram* record) { FireOnAdjustProgramSegment(item, record, false); }),
      m_PluginSite(*Controlling(), [this] { FireOnRefreshRequest(); }) {
    // The list view's window classes, before any window needs them.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
}

CDeviceTransfer::~CDeviceTransfer() = default;

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP CDeviceTransfer::QueryInterface(REFIID iid, void** ppv) { return Controlling()->QueryInterface(iid, ppv); }
STDMETHODIMP_(ULONG) CDeviceTransfer::AddRef() { return Controlling()->AddRef(); }
STDMETHODIMP_(ULONG) CDeviceTransfer::Release() { return Controlling()->Release(); }

// ------------------------------------------------------ IDummyDispatch

STDMETHODIMP CDeviceTransfer::GetTypeInfoCount(UINT* count) { return m_DummyDispatch.GetTypeInfoCount(count); }

STDMETHODIMP CDeviceTransfer::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    return m_DummyDispatch.GetTypeInfo(index, info);
}

STDMETHODIMP CDeviceTransfer::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* dispids) {
    return m_DummyDispatch.GetIDsOfNames(iid, names, count, dispids);
}

STDMETHODIMP CDeviceTransfer::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) {
    return m_DummyDispatch.Invoke(static_cast<IDispatch*>(this), dispid, iid, flags, params, result, exception,
                                  argumentError);
}

// ------------------------------------------------------- IDeviceTransfer

STDMETHODIMP_(long) CDeviceTransfer::GetItemsCount() { return m_List.Count(); }

STDMETHODIMP CDeviceTransfer::AddProgram(CDeviceProgram* pProgData) {
    if (pProgData == nullptr) return E_POINTER;
    return m_List.Add(*pProgData, m_DisplayMode, m_DeviceInfo.totalMemory);
}

STDMETHODIMP CDeviceTransfer::RemoveProgram(int programIndex) { return m_List.Remove(programIndex); }

STDMETHODIMP CDeviceTransfer::GetProgramProperties(int programIndex, CDeviceProgram* pProgData) {
    if (pProgData == nullptr) return E_POINTER;
    const CDeviceProgram* record = m_List.Record(programIndex);
    if (record == nullptr) return E_FAIL;
    *pProgData = *record;
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetDeviceConnection(int ConnectionStatus, int IsAnimate, LPCSTR lpszStatus) {
    // A plug-in that locked the status line keeps it to itself.
    if (m_bPluginTextLocked != 0) return S_OK;
    return UpdateConnectionStatus(ConnectionStatus, IsAnimate, lpszStatus);
}

STDMETHODIMP CDeviceTransfer::SetDeviceInfo(CDeviceInfo deviceInfo) {
    if (deviceInfo.fieldUsed & DEV_NAME) {
        const std::string name = PaneTexts::ArrayText(deviceInfo.szDeviceName, sizeof deviceInfo.szDeviceName - 1);
        m_Status.m_DeviceNameText.SetText(name);
        std::memset(m_DeviceInfo.szDeviceName, 0, sizeof m_DeviceInfo.szDeviceName);
        std::memcpy(m_DeviceInfo.szDeviceName, name.data(), name.size());
    }
    if (deviceInfo.fieldUsed & (TOTAL_MEM | USED_MEMORY)) {
        if (deviceInfo.fieldUsed & TOTAL_MEM) m_DeviceInfo.totalMemory = deviceInfo.totalMemory;
        if (deviceInfo.fieldUsed & USED_MEMORY) m_DeviceInfo.usedMemory = deviceInfo.usedMemory;
        WriteMemoryLines();
        m_Status.m_MemoryGauge.SetFraction(PaneTexts::UsedFraction(m_DeviceInfo.usedMemory, m_DeviceInfo.totalMemory));
    }
    if (deviceInfo.fieldUsed & DEVICE_IMAGE) {
        m_DeviceInfo.pPluginDevicePane = deviceInfo.pPluginDevicePane;
        HWND plugin = m_PluginPane.Replace(deviceInfo.pPluginDevicePane, &m_PluginSite, Window());
        if (deviceInfo.pPluginDevicePane == nullptr) {
            m_Status.m_DeviceImageIcon.SetIcon(deviceInfo.hDeviceImage);
        } else if (plugin != nullptr) {
            SetWindowPos(plugin, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (m_DisplayMode == TRANSFER_LIST_VIEW) ShowWindow(plugin, SW_HIDE);
            m_Status.m_DeviceImageIcon.SetIcon(nullptr);
        }
        LayoutNow();
        if (HWND list = m_List.Window())
            SetWindowPos(list, HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::GetDeviceInfo(CDeviceInfo* deviceInfo) {
    if (deviceInfo == nullptr) return E_POINTER;
    *deviceInfo = m_DeviceInfo;
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::RemoveAllPrograms() {
    m_List.RemoveAll();
    return S_OK;
}

STDMETHODIMP_(long) CDeviceTransfer::GetSelCount() { return m_List.SelectedCount(); }

STDMETHODIMP CDeviceTransfer::GetSelItems(int* pItemArray, int arraySize) {
    if (pItemArray == nullptr) return E_POINTER;
    m_List.SelectedItems(pItemArray, arraySize);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::ShowSelectedProgramDetails() {
    ProgramActions::ShowDetails(*this, m_List.Window(), false);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetImageList(void* hImageList) {
    m_List.SetImageList(static_cast<HIMAGELIST>(hImageList));
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetDisplayMode(DISPLAY_MODE displayMode) {
    // Any other value would be one mode to the details gesture and another
    // to accessibility: it changes nothing.
    if (displayMode != DEVICE_VIEW && displayMode != TRANSFER_LIST_VIEW && displayMode != CDBURN_VIEW)
        return E_INVALIDARG;
    m_DisplayMode = displayMode;
    RemoveAllPrograms();
    if (HWND plugin = CPluginPaneHolder::Window(Window()))
        ShowWindow(plugin, displayMode == TRANSFER_LIST_VIEW ? SW_HIDE : SW_SHOWNA);
    m_List.SetColumnTitles(displayMode);
    m_List.SetBackground(displayMode);
    m_Status.ShowFor(displayMode);
    LayoutNow();
    return S_OK;
}

STDMETHODIMP_(long) CDeviceTransfer::GetDisplayMode() { return m_DisplayMode; }

STDMETHODIMP CDeviceTransfer::UpdateProgram(int progIndex, CDeviceProgram* pNewProgData, long bRepaintItem) {
    if (pNewProgData == nullptr) return E_POINTER;
    m_List.Update(progIndex, *pNewProgData, bRepaintItem != 0, m_DisplayMode);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetFocus() {
    if (HWND list = m_List.Window()) ::SetFocus(list);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::CreateProgramAdjustDialog(CDeviceProgram* pDevProg, int progIndex) {
    return RunSegmentDialog(*this, pDevProg, progIndex);
}

STDMETHODIMP CDeviceTransfer::SetTransferProgram(LPCSTR pszName) {
    m_List.SetTransferProgram(pszName);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetAboutDeviceText(LPCSTR pszText) {
    if (!IsReadableString(pszText)) return E_POINTER;
    const std::string& current = m_Status.m_AboutDeviceText.GetText();
    if (!current.empty() && current == pszText) return S_OK;
    m_Status.m_AboutDeviceText.SetText(pszText);
    m_Status.m_AboutDeviceText.SetVisible(pszText[0] != '\0');
    LayoutNow();
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetRedraw(long bRedrawFlag) { return m_List.SetRedraw(bRedrawFlag != 0); }

// ----------------------------------------------------------- IPluginText

STDMETHODIMP CDeviceTransfer::LockPluginText(long bLock) {
    m_bPluginTextLocked = bLock;
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::SetPluginText(int ConnectionStatus, LPCSTR lpszPluginText) {
    if (!IsReadableString(lpszPluginText)) return E_POINTER;
    return UpdateConnectionStatus(ConnectionStatus, 0, lpszPluginText);
}

// ---------------------------------------------------------- device status

std::string CDeviceTransfer::DeviceName() const { return m_Status.m_DeviceNameText.GetText(); }

HRESULT CDeviceTransfer::UpdateConnectionStatus(int connectionStatus, int isAnimate, LPCSTR text) {
    if (connectionStatus != m_ConnectionStatus || isAnimate != m_IsAnimate) {
        m_ConnectionStatus = connectionStatus;
        m_IsAnimate = isAnimate;
        m_List.SetConnectedView(connectionStatus != 0);
    }
    const PaneTexts::CStatusTemplates templates{
        LoadResourceString(IDS_NO_DEVICE), LoadResourceString(IDS_STATUS_CONNECTED),
        LoadResourceString(IDS_STATUS_NOT_CONNECTED), LoadResourceString(IDS_STATUS_READING)};
    // A text that cannot be read counts as none: the message is built.
    const PaneTexts::CStatusMessage message = PaneTexts::ChooseStatusMessage(
        IsReadableString(text) ? text : nullptr, connectionStatus, isAnimate, DeviceName(), templates);

    CWrappedTextElement& shown = m_Status.m_StatusMessage;
    const bool onlyColourChanges = shown.GetText() == message.text && shown.GetColor() != message.colour;
    shown.SetText(message.text);
    shown.SetColor(message.colour);
    // SetText repaints only a new text; a new colour needs its own repaint.
    if (onlyColourChanges) shown.Invalidate(false);

    if (HWND list = m_List.Window()) SetWindowTextA(list, message.text.c_str());
    if (HWND pane = Window()) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, pane, OBJID_CLIENT, CHILDID_SELF);
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, pane, OBJID_CLIENT, CHILDID_SELF);
    }
    return S_OK;
}

void CDeviceTransfer::WriteMemoryLines() {
    const INT64 used = m_DeviceInfo.usedMemory;
    const INT64 total = m_DeviceInfo.totalMemory;
    m_Status.SetMemoryLines(
        m_DisplayMode == CDBURN_VIEW
            ? PaneTexts::CdUsageLines(used, total, LoadResourceString(IDS_USED_LABEL),
                                      LoadResourceString(IDS_FREE_LABEL), LoadResourceString(IDS_TOTAL_LABEL))
            : PaneTexts::MegabyteLines(used, total, LoadResourceString(IDS_USED_MB), LoadResourceString(IDS_FREE_MB),
                                       LoadResourceString(IDS_TOTAL_MB)));
}

// ------------------------------------------------------ IAccessibleOwner

STDMETHODIMP CDeviceTransfer::SetProxy(IUnknown* pProxy) {
    m_pAccessibility->RememberProxy(pProxy);
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::GetWindowHandle(HWND* phwnd) {
    if (phwnd == nullptr) return E_POINTER;
    *phwnd = Window();
    return S_OK;
}

STDMETHODIMP CDeviceTransfer::Reserved(long* pValue) {
    if (pValue == nullptr) return E_POINTER;
    *pValue = 0;
    return E_NOTIMPL;
}

// ---------------------------------------------------------------- events

LONG CDeviceTransfer::Fire(DISPID dispid, CEventArguments& arguments) {
    return FireEvent(DIID__IDeviceTransferEvents, dispid, arguments);
}

LONG CDeviceTransfer::FireOnDragEnter(IUnknown* dataObject, DWORD* effect) {
    CEventArguments arguments;
    arguments.Pointer(dataObject).Pointer(effect);
    return Fire(DISPID_OnDragEnter, arguments);
}

LONG CDeviceTransfer::FireOnDragOver(DWORD* effect) {
    CEventArguments arguments;
    arguments.Pointer(effect);
    return Fire(DISPID_OnDragOver, arguments);
}

LONG CDeviceTransfer::FireOnDragLeave() {
    CEventArguments arguments;
    return Fire(DISPID_OnDragLeave, arguments);
}

LONG CDeviceTransfer::FireOnDrop(IUnknown* dataObject, DWORD* effect) {
    CEventArguments arguments;
    arguments.Pointer(dataObject).Pointer(effect);
    return Fire(DISPID_OnDrop, arguments);
}

LONG CDeviceTransfer::FireOnProgramDetailes(const char* document, bool byUser) {
    CEventArguments arguments;
    arguments.AnsiText(document).Bool(byUser);
    return Fire(DISPID_OnProgramDetailes, arguments);
}

LONG CDeviceTransfer::FireDeleteSelectedProgramsRequest() {
    CEventArguments arguments;
    return Fire(DISPID_DeleteSelectedProgramsRequest, arguments);
}

LONG CDeviceTransfer::FireOnAdjustProgramSegment(int programIndex, CDeviceProgram* program, bool fromDialog) {
    CEventArguments arguments;
    arguments.Int(programIndex).Pointer(program).Int(fromDialog ? 1 : 0);
    return Fire(DISPID_OnAdjustProgramSegment, arguments);
}

LONG CDeviceTransfer::FireOnPlayProgramSegment(const char* productId, int startSeconds) {
    CEventArguments arguments;
    arguments.AnsiText(productId).Int(startSeconds);
    return Fire(DISPID_OnPlayProgramSegment, arguments);
}

LONG CDeviceTransfer::FireOnRefreshRequest() {
    CEventArguments arguments;
    return Fire(DISPID_OnRefreshRequest, arguments);
}

// ---------------------------------------------------------------- layout

void CDeviceTransfer::Layout(int width, int height, bool full) {
    HWND pane = Window();
    if (HWND list = m_List.Window()) {
        RECT rect;
        GetWindowRect(list, &rect);
        MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rect), 2);
        MoveWindow(list, rect.left, rect.top, width - rect.left, height - rect.top, TRUE);
        const CPaneBox box = PaneLayout::StretchedStatusMessageBox(width, height, rect.left);
        m_Status.m_StatusMessage.SetBounds(box.x, box.y, box.cx, box.cy);
    }
    if (!full) return;

    const int listLeft = m_Status.Place(m_DisplayMode, CPluginPaneHolder::Window(pane));
    if (HWND list = m_List.Window())
        SetWindowPos(list, nullptr, listLeft, 0, width - listLeft, height,
                     SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    const CPaneBox box = PaneLayout::StatusMessageBox(width, height, listLeft);
    m_Status.m_StatusMessage.SetBounds(box.x, box.y, box.cx, box.cy);
    m_Status.Centre(listLeft);
}

void CDeviceTransfer::LayoutNow() {
    if (Window() == nullptr) return;
    RECT client;
    GetClientRect(Window(), &client);
    Layout(client.right, client.bottom, true);
}

void CDeviceTransfer::OnDraw(HDC dc, const RECT&) { m_Status.Paint(dc); }

// --------------------------------------------------- pane window messages

bool CDeviceTransfer::ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (message) {
        case WM_CREATE:
            m_DropTarget.Register(Window());
            OnCreate();
            return false;
        case WM_SIZE:
            result = OnSize(LOWORD(lp), HIWORD(lp));
            return true;
        case WM_DESTROY:
            m_DropTarget.Revoke();  // before anything else goes
            result = OnDestroy();
            return true;
        case WM_GETOBJECT:
            return m_pAccessibility->OnGetObject(wp, lp, result);
        case WM_ERASEBKGND:
            result = OnEraseBackground(reinterpret_cast<HDC>(wp));
            return true;
        case WM_SETFOCUS:
            // Handled: the focus goes on to the list, and a click (not the
            // focus) activates the user interface.
            OnSetFocus();
            result = 0;
            return true;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lp), result);
        default:
            return false;
    }
}

LRESULT CDeviceTransfer::OnCreate() {
    HWND pane = Window();
    if (m_List.Create(pane))
        SetWindowSubclass(m_List.Window(), &CDeviceTransfer::ListWindowProc, 0, reinterpret_cast<DWORD_PTR>(this));
    HWND list = m_List.Window();
    if (list != nullptr) m_Tooltip.Create(list);

    m_hFontList = list ? reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)) : nullptr;
    LOGFONTA description{};
    if (m_hFontList == nullptr || GetObjectA(m_hFontList, sizeof description, &description) == 0)
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    LOGFONTA large = description;
    large.lfHeight = -24;
    LOGFONTA bold = description;
    bold.lfWeight = FW_BOLD;
    m_fontBold.Reset(CreateFontIndirectA(&bold));
    m_List.SetBoldFont(m_fontBold.Get());
    m_Status.Attach(pane, list, m_hFontList, m_fontBold.Get(), GdiObject<HFONT>(CreateFontIndirectA(&large)));
    // Transparent text, so the background picture shows through.
    if (list != nullptr) SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
    LayoutNow();
    return 0;
}

LRESULT CDeviceTransfer::OnSize(int width, int height) {
    Layout(width, height, false);
    return 0;
}

LRESULT CDeviceTransfer::OnDestroy() {
    // The tooltip subclasses the list: it must go while the list is alive,
    // or the list's subclass records are never freed.
    m_Tooltip.Destroy();
    m_pAccessibility->OnWindowDestroyed();
    if (HWND list = m_List.Window()) ColumnWidths::Save(list);
    RemoveAllPrograms();
    m_List.SetBoldFont(nullptr);
    m_Status.Detach();
    m_fontBold.Reset();
    m_PluginPane.Release();
    return 0;
}

LRESULT CDeviceTransfer::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(Window(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
}

void CDeviceTransfer::OnSetFocus() {
    if (HWND list = m_List.Window()) {
        ::SetFocus(list);
        m_List.EnsureFocusedItemVisible();
    }
}

bool CDeviceTransfer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != CProgramList::kControlId) return false;
    switch (header.code) {
        case NM_CUSTOMDRAW:
            result = m_List.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header), m_DisplayMode);
            return true;
        case LVN_DELETEALLITEMS:
            // The pane frees the records itself, all at once: no notice per row.
            result = TRUE;
            return true;
        default:
            return false;
    }
}

// ------------------------------------------- list window messages (subclass)

LRESULT CALLBACK CDeviceTransfer::ListWindowProc(HWND list, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                                 DWORD_PTR self) {
    LRESULT result = 0;
    if (reinterpret_cast<CDeviceTransfer*>(self)->ProcessListMessage(list, message, wp, lp, result)) return result;
    return DefSubclassProc(list, message, wp, lp);
}

// What the pane does before (or instead of) the list's own processing.
bool CDeviceTransfer::ProcessListMessage(HWND list, UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    // The user's input fires events, and a host may let the pane go in its
    // handler while this pane is still on the stack.
    CComPtr<IDeviceTransfer> alive;
    if (message == WM_LBUTTONDOWN || message == WM_CONTEXTMENU || message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN)
        alive = this;
    switch (message) {
        case WM_PAINT:
            return OnListPaint(list);
        case WM_MOUSEMOVE:
            OnListMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return false;
        case WM_NOTIFY:
            return OnListNotify(*reinterpret_cast<NMHDR*>(lp), result);
        case WM_SETCURSOR:
            return OnListSetCursor(list, LOWORD(lp), HIWORD(lp), result);
        case WM_LBUTTONDOWN:
            return OnListLButtonDown(list, static_cast<UINT>(wp), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, result);
        case WM_CAPTURECHANGED:
            m_Editor.OnCaptureChanged();
            return false;
        case WM_KILLFOCUS:
            OnListKillFocus();
            return false;
        case WM_CONTEXTMENU:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
            result = 0;
            return ProgramActions::OnListMessage(*this, list, message, wp, lp);
        case WM_NCDESTROY:
            OnListDestroyed(list);
            return false;
        case WM_GETOBJECT:
            // The same answer as the pane window's, also for other objects.
            if (!m_pAccessibility->OnGetObject(wp, lp, result)) result = DefWindowProcA(Window(), message, wp, lp);
            return true;
        default:
            return false;
    }
}

// While no device is connected the list shows the status message instead
// of its items.
bool CDeviceTransfer::OnListPaint(HWND list) {
    if (m_ConnectionStatus != 0) return false;
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(list, &paint)) {
        m_Status.m_StatusMessage.Draw(dc, &paint.rcPaint);
        EndPaint(list, &paint);
    }
    return true;
}

void CDeviceTransfer::OnListMouseMove(POINT point) { m_Tooltip.Track(point); }

bool CDeviceTransfer::OnListNotify(NMHDR& header, LRESULT& result) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
    result = 0;
    return m_Tooltip.OnGetDispInfo(header, m_DisplayMode, PaneTexts::ArrayText(m_DeviceInfo.szDeviceName));
}

bool CDeviceTransfer::OnListSetCursor(HWND list, UINT hitTest, UINT message, LRESULT& result) {
    if (m_DisplayMode == DEVICE_VIEW) return false;
    return m_Editor.OnSetCursor(list, hitTest, message, result);
}

bool CDeviceTransfer::OnListLButtonDown(HWND list, UINT flags, POINT point, LRESULT& result) {
    if (m_DisplayMode == DEVICE_VIEW) return false;
    return m_Editor.OnLButtonDown(list, flags, point, result);
}

void CDeviceTransfer::OnListKillFocus() { m_List.OnKillFocus(); }

void CDeviceTransfer::OnListDestroyed(HWND list) {
    RemoveWindowSubclass(list, &CDeviceTransfer::ListWindowProc, 0);
    m_Tooltip.Destroy();
    m_List.Detach();
}
