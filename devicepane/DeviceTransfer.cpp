#include "devicepane/DeviceTransfer.h"

#include "devicepane/PaneAccessible.h"

HRESULT CreateDeviceTransfer(IUnknown* outer, REFIID iid, void** ppv) {
    return ControlFrame::CreateInstance<DeviceTransfer>(outer, iid, ppv);
}

const ControlDescription& DeviceTransfer::Describe() {
    static const InterfaceEntry interfaces[] = {
        {&IID_IDummyDispatch,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IDispatch*>(&static_cast<DeviceTransfer&>(f)); }},
        {&IID_IDeviceTransfer,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IDeviceTransfer*>(&static_cast<DeviceTransfer&>(f)); }},
        {&IID_IDispatch,
         [](ControlFrame& f) -> IUnknown* {
             return static_cast<IAccessible*>(static_cast<DeviceTransfer&>(f).m_accessibility.get());
         }},
        {&IID_IViewObjectEx, &ControlFrame::FindViewObject},
        {&IID_IViewObject2, &ControlFrame::FindViewObject},
        {&IID_IViewObject, &ControlFrame::FindViewObject},
        {&IID_IOleInPlaceObjectWindowless, &ControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceObject, &ControlFrame::FindInPlaceObject},
        {&IID_IOleWindow, &ControlFrame::FindInPlaceObject},
        {&IID_IOleInPlaceActiveObject, &ControlFrame::FindInPlaceActiveObject},
        {&IID_IOleControl, &ControlFrame::FindOleControl},
        {&IID_IOleObject, &ControlFrame::FindOleObject},
        {&IID_IPersistStreamInit, &ControlFrame::FindPersistStreamInit},
        {&IID_IPersist, &ControlFrame::FindPersistStreamInit},
        {&IID_IConnectionPointContainer, &ControlFrame::FindConnectionPointContainer},
        {&IID_ISpecifyPropertyPages, &ControlFrame::FindPropertyPages},
        {&IID_IQuickActivate, &ControlFrame::FindQuickActivate},
        {&IID_IPersistStorage, &ControlFrame::FindPersistStorage},
        {&IID_IDataObject, &ControlFrame::FindDataObject},
        {&IID_IProvideClassInfo, &ControlFrame::FindClassInfo},
        {&IID_IProvideClassInfo2, &ControlFrame::FindClassInfo},
        {&IID_IAccessible,
         [](ControlFrame& f) -> IUnknown* {
             return static_cast<IAccessible*>(static_cast<DeviceTransfer&>(f).m_accessibility.get());
         }},
        {&IID_IAccessibleOwner,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IAccessibleOwner*>(&static_cast<DeviceTransfer&>(f)); }},
        {&IID_IPluginText,
         [](ControlFrame& f) -> IUnknown* { return static_cast<IPluginText*>(&static_cast<DeviceTransfer&>(f)); }},
    };
    static const IID* const connectionPoints[] = {&IID_IPropertyNotifySink, &DIID__IDeviceTransferEvents};
    static const PersistedProperty properties[] = {
        {"_cx", PropertyStorage::ExtentWidth, DISPID_UNKNOWN},
        {"_cy", PropertyStorage::ExtentHeight, DISPID_UNKNOWN},
    };
    static const ControlDescription description{
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

DeviceTransfer::DeviceTransfer(IUnknown* outer)
    : ControlFrame(Describe(), outer), m_accessibility(std::make_unique<CPaneAccessible>(*this)) {}

DeviceTransfer::~DeviceTransfer() = default;

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP DeviceTransfer::QueryInterface(REFIID iid, void** ppv) { return Controlling()->QueryInterface(iid, ppv); }
STDMETHODIMP_(ULONG) DeviceTransfer::AddRef() { return Controlling()->AddRef(); }
STDMETHODIMP_(ULONG) DeviceTransfer::Release() { return Controlling()->Release(); }

// ------------------------------------------------------ IDummyDispatch

STDMETHODIMP DeviceTransfer::GetTypeInfoCount(UINT* count) { return m_dummyDispatch.GetTypeInfoCount(count); }

STDMETHODIMP DeviceTransfer::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    return m_dummyDispatch.GetTypeInfo(index, info);
}

STDMETHODIMP DeviceTransfer::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* dispids) {
    return m_dummyDispatch.GetIDsOfNames(iid, names, count, dispids);
}

STDMETHODIMP DeviceTransfer::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* exception, UINT* argumentError) {
    return m_dummyDispatch.Invoke(static_cast<IDispatch*>(this), dispid, iid, flags, params, result, exception,
                                  argumentError);
}

// ------------------------------------------------------- IDeviceTransfer
// The program list, the device status and the segment dialog fill these in.

STDMETHODIMP_(long) DeviceTransfer::GetItemsCount() { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::AddProgram(CDeviceProgram*) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::RemoveProgram(int) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::GetProgramProperties(int, CDeviceProgram*) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetDeviceConnection(int, int, LPCSTR) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetDeviceInfo(CDeviceInfo) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::GetDeviceInfo(CDeviceInfo*) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::RemoveAllPrograms() { return E_NOTIMPL; }
STDMETHODIMP_(long) DeviceTransfer::GetSelCount() { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::GetSelItems(int*, int) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::ShowSelectedProgramDetails() { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetImageList(void*) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetDisplayMode(DISPLAY_MODE) { return E_NOTIMPL; }
STDMETHODIMP_(long) DeviceTransfer::GetDisplayMode() { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::UpdateProgram(int, CDeviceProgram*, long) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetFocus() { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::CreateProgramAdjustDialog(CDeviceProgram*, int) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetTransferProgram(LPCSTR) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetAboutDeviceText(LPCSTR) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetRedraw(long) { return E_NOTIMPL; }

// ----------------------------------------------------------- IPluginText

STDMETHODIMP DeviceTransfer::LockPluginText(long) { return E_NOTIMPL; }
STDMETHODIMP DeviceTransfer::SetPluginText(int, LPCSTR) { return E_NOTIMPL; }

// ------------------------------------------------------ IAccessibleOwner

STDMETHODIMP DeviceTransfer::SetProxy(IUnknown* pProxy) {
    m_accessibility->RememberProxy(pProxy);
    return S_OK;
}

STDMETHODIMP DeviceTransfer::GetWindowHandle(HWND* phwnd) {
    if (phwnd == nullptr) return E_POINTER;
    *phwnd = Window();
    return S_OK;
}

STDMETHODIMP DeviceTransfer::Reserved(long* pValue) {
    if (pValue == nullptr) return E_POINTER;
    *pValue = 0;
    return E_NOTIMPL;
}

// ---------------------------------------------------------------- events

LONG DeviceTransfer::Fire(DISPID dispid, EventArguments& arguments) {
    return FireEvent(DIID__IDeviceTransferEvents, dispid, arguments);
}

LONG DeviceTransfer::FireOnDragEnter(IUnknown* dataObject, DWORD* effect) {
    EventArguments arguments;
    arguments.Pointer(dataObject).Pointer(effect);
    return Fire(DISPID_OnDragEnter, arguments);
}

LONG DeviceTransfer::FireOnDragOver(DWORD* effect) {
    EventArguments arguments;
    arguments.Pointer(effect);
    return Fire(DISPID_OnDragOver, arguments);
}

LONG DeviceTransfer::FireOnDragLeave() {
    EventArguments arguments;
    return Fire(DISPID_OnDragLeave, arguments);
}

LONG DeviceTransfer::FireOnDrop(IUnknown* dataObject, DWORD* effect) {
    EventArguments arguments;
    arguments.Pointer(dataObject).Pointer(effect);
    return Fire(DISPID_OnDrop, arguments);
}

LONG DeviceTransfer::FireOnProgramDetailes(const char* document, bool byUser) {
    EventArguments arguments;
    arguments.AnsiText(document).Bool(byUser);
    return Fire(DISPID_OnProgramDetailes, arguments);
}

LONG DeviceTransfer::FireDeleteSelectedProgramsRequest() {
    EventArguments arguments;
    return Fire(DISPID_DeleteSelectedProgramsRequest, arguments);
}

LONG DeviceTransfer::FireOnAdjustProgramSegment(int programIndex, CDeviceProgram* program, bool fromDialog) {
    EventArguments arguments;
    arguments.Int(programIndex).Pointer(program).Int(fromDialog ? 1 : 0);
    return Fire(DISPID_OnAdjustProgramSegment, arguments);
}

LONG DeviceTransfer::FireOnPlayProgramSegment(const char* productId, int startSeconds) {
    EventArguments arguments;
    arguments.AnsiText(productId).Int(startSeconds);
    return Fire(DISPID_OnPlayProgramSegment, arguments);
}

LONG DeviceTransfer::FireOnRefreshRequest() {
    EventArguments arguments;
    return Fire(DISPID_OnRefreshRequest, arguments);
}

// ---------------------------------------------------------------- window

bool DeviceTransfer::ProcessWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (message) {
        case WM_GETOBJECT:
            return m_accessibility->OnGetObject(wp, lp, result);
        case WM_DESTROY:
            m_accessibility->OnWindowDestroyed();
            return false;
        default:
            return false;
    }
}

// ------------------------------------------------- facts for accessibility
// The program list and the status area fill these in.

HWND DeviceTransfer::ListWindow() const { return nullptr; }
int DeviceTransfer::ConnectionStatus() const { return 0; }
std::string DeviceTransfer::DeviceNameText() const { return std::string(); }
std::string DeviceTransfer::StatusMessageText() const { return std::string(); }
std::string DeviceTransfer::TotalMemoryText() const { return std::string(); }
std::string DeviceTransfer::FreeMemoryText() const { return std::string(); }

// The status area is painted here once the pane has its drawing elements.
void DeviceTransfer::OnDraw(HDC, const RECT&) {}
