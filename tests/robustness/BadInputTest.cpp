// Bad input through every interface of both controls: null pointers,
// strings without a terminator or of a megabyte, indexes, aspects, kinds
// and cookies that were never given, malformed streams and storages. Each
// call answers with its status and the control keeps working.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "container/OleHandle.h"
#include "menubar/MenuCtrl.h"
#include "support/PaneHost.h"

namespace {

struct BadCall {
    const char* name;
    std::function<HRESULT()> call;
    HRESULT expected;
};
// A row of a table: the answer the call must give, the call named by its text.
#define ROW(expected, ...)                                  \
    BadCall {                                               \
#__VA_ARGS__, [&] { return __VA_ARGS__; }, expected \
    }

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

void ExpectAnswers(const std::vector<BadCall>& calls) {
    for (const BadCall& row : calls) EXPECT_EQ(Hex(row.expected), Hex(row.call())) << row.name;
}

// A string of 'x' with no terminator, running to the end of a committed
// page that a PAGE_NOACCESS page follows: whoever reads past it faults.
class CUnterminatedText {
  public:
    CUnterminatedText() {
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        const SIZE_T page = system.dwPageSize;
        m_pBase = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        if (m_pBase == nullptr) return;
        DWORD old = 0;
        VirtualProtect(m_pBase + page, page, PAGE_NOACCESS, &old);
        m_pText = m_pBase + page - kLength;
        std::memset(m_pText, 'x', kLength);
    }
    ~CUnterminatedText() {
        if (m_pBase != nullptr) VirtualFree(m_pBase, 0, MEM_RELEASE);
    }
    CUnterminatedText(const CUnterminatedText&) = delete;
    CUnterminatedText& operator=(const CUnterminatedText&) = delete;
    const char* Get() const { return m_pText; }
    // The first byte of the inaccessible page.
    const char* PageEnd() const { return m_pText != nullptr ? m_pText + kLength : nullptr; }
    const wchar_t* Wide() const { return reinterpret_cast<const wchar_t*>(m_pText); }

  private:
    static constexpr size_t kLength = 64;  // short enough for a fixed field to copy
    char* m_pBase = nullptr;
    char* m_pText = nullptr;
};

template <class I>
ComPtr<I> Ask(IUnknown* control) {
    ComPtr<I> result;
    control->QueryInterface(__uuidof(I), reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
    return result;
}

ComPtr<IStream> StreamOf(const void* bytes, size_t size) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.ReleaseAndGetAddressOf());
    ULONG written = 0;
    if (size != 0) stream->Write(bytes, static_cast<ULONG>(size), &written);
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

ComPtr<IStorage> EmptyStorage() {
    ComPtr<ILockBytes> bytes;
    ComPtr<IStorage> storage;
    CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.ReleaseAndGetAddressOf());
    StgCreateDocfileOnILockBytes(bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                 storage.ReleaseAndGetAddressOf());
    return storage;
}

struct ControlKind {
    const char* name;
    TestContainer::Creator creator;
    IID events;
};

class OleSweepTest : public testing::TestWithParam<ControlKind> {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(container_.Create(GetParam().creator));
        ASSERT_HRESULT_SUCCEEDED(container_.Activate());
    }
    TestContainer container_;
};

TEST_P(OleSweepTest, StandardInterfacesAnswerBadInput) {
    IUnknown* control = container_.Control();
    const auto object = Ask<IOleObject>(control);
    const auto stream = Ask<IPersistStreamInit>(control);
    const auto storage = Ask<IPersistStorage>(control);
    const auto view = Ask<IViewObject2>(control);
    const auto inPlace = Ask<IOleInPlaceObject>(control);
    const auto points = Ask<IConnectionPointContainer>(control);
    const auto data = Ask<IDataObject>(control);
    const auto classInfo = Ask<IProvideClassInfo2>(control);
    const auto quick = Ask<IQuickActivate>(control);
    ASSERT_TRUE(object && stream && storage && view && inPlace && points && data && classInfo && quick);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(S_OK, points->FindConnectionPoint(GetParam().events, point.ReleaseAndGetAddressOf()));

    CUnterminatedText unterminated;
    const auto* openName = unterminated.Wide();
    SIZEL size{};
    DWORD cookie = 0, status = 0;
    FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    GUID guid{};
    const RECT rect{0, 0, 100, 50};
    const RECTL bounds{0, 0, 100, 50};
    const HDC screen = GetDC(nullptr);
    const BYTE garbage[] = {0xFF, 0xFF, 0xFF, 0x7F, 0x13, 0x37, 0x00, 0x01, 0xDE, 0xAD};
    const ComPtr<IStorage> empty = EmptyStorage();

    ExpectAnswers({
        ROW(E_POINTER, object->GetExtent(DVASPECT_CONTENT, nullptr)),
        ROW(E_FAIL, object->GetExtent(0x40, &size)),
        ROW(E_POINTER, object->SetExtent(DVASPECT_CONTENT, nullptr)),
        ROW(DV_E_DVASPECT, object->SetExtent(0x40, &size)),
        ROW(E_POINTER, object->GetMiscStatus(DVASPECT_CONTENT, nullptr)),
        ROW(E_POINTER, object->GetUserType(USERCLASSTYPE_FULL, nullptr)),
        ROW(E_POINTER, object->GetUserClassID(nullptr)),
        ROW(E_POINTER, object->GetClientSite(nullptr)),
        ROW(E_POINTER, object->EnumVerbs(nullptr)),
        ROW(E_POINTER, object->Advise(nullptr, &cookie)),
        ROW(OLE_E_NOCONNECTION, object->Unadvise(0xBAD)),
        ROW(S_OK, object->SetHostNames(openName, openName)),
        ROW(OLEOBJ_S_INVALIDVERB, object->DoVerb(9999, nullptr, nullptr, 0, container_.Window(), &rect)),
        ROW(E_POINTER, stream->GetClassID(nullptr)),
        ROW(E_INVALIDARG, stream->Load(nullptr)),
        ROW(E_INVALIDARG, stream->Save(nullptr, TRUE)),
        ROW(E_POINTER, stream->GetSizeMax(nullptr)),
        ROW(E_FAIL, stream->Load(StreamOf(nullptr, 0).Get())),
        ROW(E_FAIL, stream->Load(StreamOf(garbage, sizeof garbage).Get())),
        ROW(E_INVALIDARG, storage->InitNew(nullptr)),
        ROW(E_INVALIDARG, storage->Load(nullptr)),
        ROW(E_INVALIDARG, storage->Save(nullptr, TRUE)),
        ROW(STG_E_FILENOTFOUND, storage->Load(empty.Get())),
        ROW(S_OK, view->Draw(0x40, -1, nullptr, nullptr, nullptr, screen, &bounds, nullptr, nullptr, 0)),
        ROW(E_INVALIDARG,
            view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, screen, nullptr, nullptr, nullptr, 0)),
        ROW(E_INVALIDARG,
            view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr, &bounds, nullptr, nullptr, 0)),
        ROW(S_OK, view->SetAdvise(0x40, 0, nullptr)),
        ROW(S_OK, view->GetAdvise(nullptr, nullptr, nullptr)),
        ROW(E_POINTER, view->GetExtent(DVASPECT_CONTENT, -1, nullptr, nullptr)),
        ROW(E_POINTER, inPlace->GetWindow(nullptr)),
        ROW(E_POINTER, inPlace->SetObjectRects(nullptr, nullptr)),
        ROW(E_POINTER, points->FindConnectionPoint(GetParam().events, nullptr)),
        ROW(E_POINTER, points->EnumConnectionPoints(nullptr)),
        ROW(E_POINTER, point->Advise(control, nullptr)),
        ROW(E_POINTER, point->GetConnectionInterface(nullptr)),
        ROW(E_POINTER, point->GetConnectionPointContainer(nullptr)),
        ROW(E_POINTER, point->EnumConnections(nullptr)),
        ROW(E_POINTER, data->GetData(nullptr, &medium)),
        ROW(E_POINTER, data->GetData(&text, nullptr)),
        ROW(DV_E_FORMATETC, data->GetData(&text, &medium)),
        ROW(E_POINTER, data->QueryGetData(nullptr)),
        ROW(E_POINTER, data->EnumFormatEtc(DATADIR_GET, nullptr)),
        ROW(E_POINTER, data->DAdvise(nullptr, 0, nullptr, nullptr)),
        ROW(OLE_E_NOCONNECTION, data->DUnadvise(0xBAD)),
        ROW(E_POINTER, classInfo->GetClassInfo(nullptr)),
        ROW(E_FAIL, classInfo->GetGUID(99, &guid)),
        ROW(E_POINTER, classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr)),
        ROW(E_POINTER, quick->QuickActivate(nullptr, nullptr)),
        ROW(E_POINTER, quick->SetContentExtent(nullptr)),
        ROW(E_POINTER, quick->GetContentExtent(nullptr)),
    });
    ReleaseDC(nullptr, screen);

    // Still a working control: its extent, its class, a picture of itself.
    EXPECT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &size));
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(S_OK, object->GetMiscStatus(DVASPECT_CONTENT, &status));
    EXPECT_TRUE(IsWindow(container_.ControlWindow()));
    ComPtr<IStream> saved = StreamOf(nullptr, 0);
    EXPECT_EQ(S_OK, stream->Save(saved.Get(), FALSE));
    const HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(100, 50, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

INSTANTIATE_TEST_SUITE_P(BothControls, OleSweepTest,
                         testing::Values(ControlKind{"DeviceTransfer", CreateDeviceTransfer,
                                                     DIID__IDeviceTransferEvents},
                                         ControlKind{"MenuCtrl", CreateMenuCtrl, DIID__IMenuCtrlEvents}),
                         [](const testing::TestParamInfo<ControlKind>& info) { return std::string(info.param.name); });

TEST(MenuSweep, MenuCtrlAnswersBadInput) {
    TestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateMenuCtrl));
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    const ComPtr<IMenuCtrl> bar = container.Query<IMenuCtrl>(IID_IMenuCtrl);
    ASSERT_TRUE(bar);
    const HMENU menu = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 101, "&Open");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(menu, MF_STRING, 102, "&Help");
    ASSERT_EQ(S_OK, bar->put_Owner(OleHandle(container.Window())));
    ASSERT_EQ(S_OK, bar->put_Menu(OleHandle(menu)));

    const CUnterminatedText guarded;
    ASSERT_NE(nullptr, guarded.Get());
    // A RECT that starts 8 bytes before the inaccessible page, the page
    // itself, and a read-only page.
    const auto straddling = reinterpret_cast<LONG_PTR>(guarded.PageEnd() - 8);
    const auto inaccessible = reinterpret_cast<LONG_PTR>(guarded.PageEnd());
    void* const readOnly = VirtualAlloc(nullptr, 1, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY);
    ASSERT_NE(nullptr, readOnly);
    RECT rect{};
    long fits = 0;
    const HWND destroyed = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(destroyed);
    const HMENU gone = CreateMenu();
    DestroyMenu(gone);

    ExpectAnswers({
        ROW(E_POINTER, bar->get_BackColor(nullptr)),
        ROW(E_POINTER, bar->get_ForeColor(nullptr)),
        ROW(E_POINTER, bar->get_Owner(nullptr)),
        ROW(E_POINTER, bar->get_Menu(nullptr)),
        ROW(E_POINTER, bar->get_ImageList(nullptr)),
        ROW(E_POINTER, bar->get_MenuColor(nullptr)),
        ROW(E_POINTER, bar->get_MenuTextColor(nullptr)),
        ROW(E_POINTER, bar->get_Orientation(nullptr)),
        ROW(E_POINTER, bar->AutoSize(nullptr)),
        ROW(E_INVALIDARG, bar->put_Owner(0)),
        ROW(E_INVALIDARG, bar->put_Owner(OleHandle(destroyed))),
        ROW(E_INVALIDARG, bar->put_Owner(0x7FFFFFF0)),
        ROW(E_INVALIDARG, bar->put_Menu(0)),
        ROW(E_INVALIDARG, bar->put_Menu(OleHandle(gone))),
        ROW(E_INVALIDARG, bar->put_Menu(OleHandle(container.Window()))),
        ROW(E_INVALIDARG, bar->put_ImageList(0)),
        ROW(S_OK, bar->put_BackColor(0x7F000000)),
        ROW(S_OK, bar->put_ForeColor(0x800000FF)),
        ROW(S_OK, bar->put_MenuColor(0x800000FF)),
        ROW(S_OK, bar->put_MenuTextColor(0xFFFFFFFF)),
        ROW(S_OK, bar->put_Orientation(-300)),
        ROW(S_OK, bar->put_Orientation(0)),
        ROW(S_OK, bar->SetMenuItemImage(-1, 5)),
        ROW(S_OK, bar->SetMenuItemImage(101, INT_MAX)),
        ROW(E_INVALIDARG, bar->GetItemRect(-1, reinterpret_cast<LONG_PTR>(&rect))),
        ROW(E_INVALIDARG, bar->GetItemRect(2, reinterpret_cast<LONG_PTR>(&rect))),
        ROW(E_INVALIDARG, bar->GetItemRect(0, 0)),
        ROW(E_INVALIDARG, bar->GetItemRect(0, 1)),
        ROW(E_INVALIDARG, bar->GetItemRect(0, straddling)),
        ROW(E_INVALIDARG, bar->GetItemRect(0, inaccessible)),
        ROW(E_INVALIDARG, bar->GetItemRect(0, reinterpret_cast<LONG_PTR>(readOnly))),
    });

    // The bar still answers as a bar.
    EXPECT_EQ(S_OK, bar->GetItemRect(1, reinterpret_cast<LONG_PTR>(&rect)));
    EXPECT_GT(rect.right, rect.left);
    EXPECT_EQ(S_OK, bar->AutoSize(&fits));
    OLE_HANDLE owner = 0;
    EXPECT_EQ(S_OK, bar->get_Owner(&owner));
    EXPECT_EQ(OleHandle(container.Window()), owner);
    TestContainer::ProcessMessages();
    VirtualFree(readOnly, 0, MEM_RELEASE);
}

// Every character array full, none terminated.
CDeviceProgram UnterminatedProgram() {
    CDeviceProgram program{};
    std::memset(&program, 'z', offsetof(CDeviceProgram, m_TotalTime));
    program.m_TotalTime = INT_MIN;
    program.m_TimeOnDevice = -1;
    program.m_SizeOnDevice = INT_MAX;
    program.m_ProgramStart = INT_MAX;
    program.m_PlayBackPos = INT_MIN;
    program.m_CodecIconIndex = 99999;
    program.m_fCanProgramBeResized = -3;
    return program;
}

class PaneSweepTest : public PaneTest {
  protected:
    // A normal life after the bad calls: a program goes in and comes back.
    void ExpectWorking() {
        SCOPED_TRACE("normal calls afterwards");
        ASSERT_TRUE(IsWindow(Window()));
        ASSERT_EQ(S_OK, pane_->SetDisplayMode(DEVICE_VIEW));
        Add(Program("Morning News"));
        EXPECT_EQ(1, pane_->GetItemsCount());
        CDeviceProgram back{};
        ASSERT_EQ(S_OK, pane_->GetProgramProperties(0, &back));
        EXPECT_STREQ("Morning News", back.m_szTitle);
        EXPECT_EQ(S_OK, pane_->SetDeviceConnection(1, 0, "Connected"));
        TestContainer::ProcessMessages();
    }

    CUnterminatedText unterminated_;
    const std::string huge_ = std::string(1 << 20, 'y');
};

TEST_F(PaneSweepTest, DeviceTransferAndPluginTextAnswerBadInput) {
    IDeviceTransfer* pane = pane_.Get();
    ComPtr<IPluginText> text = container_->Query<IPluginText>(IID_IPluginText);
    ASSERT_TRUE(text);
    const char* open = unterminated_.Get();
    const char* huge = huge_.c_str();
    CDeviceProgram program = Program("Morning News"), unterminatedRecord = UnterminatedProgram(), out{};
    int items[4] = {};

    CDeviceInfo badInfo{};
    badInfo.fieldUsed = -1;  // every bit, the undocumented ones too
    std::memset(badInfo.szDeviceName, 'n', sizeof badInfo.szDeviceName);
    badInfo.totalMemory = -1;
    badInfo.usedMemory = LLONG_MAX;
    badInfo.hDeviceImage = reinterpret_cast<HICON>(static_cast<UINT_PTR>(0xBAD0));

    ExpectAnswers({
        ROW(E_POINTER, pane->AddProgram(nullptr)),
        ROW(S_OK, pane->AddProgram(&unterminatedRecord)),
        ROW(S_OK, pane->AddProgram(&program)),
        ROW(S_OK, pane->RemoveProgram(INT_MIN)),
        ROW(S_FALSE, pane->RemoveProgram(INT_MAX)),
        ROW(E_POINTER, pane->GetProgramProperties(0, nullptr)),
        ROW(E_FAIL, pane->GetProgramProperties(-1, &out)),
        ROW(E_FAIL, pane->GetProgramProperties(INT_MAX, &out)),
        ROW(E_POINTER, pane->UpdateProgram(0, nullptr, 1)),
        ROW(S_OK, pane->UpdateProgram(-1, &program, 1)),
        ROW(S_OK, pane->UpdateProgram(0, &unterminatedRecord, 1)),
        ROW(S_OK, pane->SetDeviceConnection(1, 1, open)),
        ROW(S_OK, pane->SetDeviceConnection(-7, 99, huge)),
        ROW(S_OK, pane->SetDeviceInfo(badInfo)),
        ROW(E_POINTER, pane->GetDeviceInfo(nullptr)),
        ROW(E_POINTER, pane->GetSelItems(nullptr, 4)),
        ROW(S_OK, pane->GetSelItems(items, -1)),
        ROW(S_OK, pane->GetSelItems(items, 0)),
        ROW(S_OK, pane->SetImageList(reinterpret_cast<void*>(static_cast<UINT_PTR>(0xBAD0)))),
        ROW(S_OK, pane->ShowSelectedProgramDetails()),
        ROW(E_POINTER, pane->CreateProgramAdjustDialog(nullptr, -1)),
        ROW(S_OK, pane->SetTransferProgram(open)),
        ROW(S_OK, pane->SetTransferProgram(huge)),
        ROW(E_POINTER, pane->SetAboutDeviceText(nullptr)),
        ROW(E_POINTER, pane->SetAboutDeviceText(open)),
        ROW(S_OK, pane->SetAboutDeviceText(huge)),
        ROW(E_POINTER, text->SetPluginText(1, nullptr)),
        ROW(E_POINTER, text->SetPluginText(1, open)),
        ROW(S_OK, text->SetPluginText(INT_MIN, huge)),
        ROW(S_OK, text->LockPluginText(-9)),
        ROW(S_OK, pane->SetDeviceConnection(0, 1, open)),
        ROW(S_OK, text->LockPluginText(0)),
    });
    EXPECT_EQ(S_OK, pane->RemoveAllPrograms());
    ExpectWorking();
}

TEST_F(PaneSweepTest, DispatchAndAccessibleAnswerBadInput) {
    ComPtr<IDispatch> dispatch;
    ASSERT_HRESULT_SUCCEEDED(pane_.As(IID_IDispatch, &dispatch));
    ComPtr<IAccessible> accessible;
    ASSERT_HRESULT_SUCCEEDED(pane_.As(IID_IAccessible, &accessible));
    IAccessible* acc = accessible.Get();
    Add(Program("Morning News"));

    DISPID dispid = 0;
    LPOLESTR badName = const_cast<LPOLESTR>(unterminated_.Wide());
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    const VARIANT self = ChildId(CHILDID_SELF), distant = ChildId(100000);
    VARIANT wrongType = ChildId(0), empty = ChildId(0);
    V_VT(&wrongType) = VT_R8;
    V_VT(&empty) = VT_EMPTY;
    BSTR text = nullptr;
    LONG left = 0, top = 0, width = 0, height = 0, count = 0;
    IDispatch* child = nullptr;

    ExpectAnswers({
        ROW(E_POINTER, dispatch->GetTypeInfoCount(nullptr)),
        ROW(E_POINTER, dispatch->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &dispid)),
        ROW(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, &badName, 1, 0, &dispid)),
        ROW(DISP_E_MEMBERNOTFOUND,
            dispatch->Invoke(12345, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr)),
        ROW(DISP_E_BADVARTYPE, dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result, nullptr, nullptr)),
        ROW(DISP_E_MEMBERNOTFOUND,
            dispatch->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr)),
        ROW(E_POINTER, acc->get_accChildCount(nullptr)),
        ROW(E_INVALIDARG, acc->get_accChild(distant, &child)),
        ROW(E_POINTER, acc->get_accChild(self, nullptr)),
        ROW(S_OK, acc->get_accName(distant, &text)),
        ROW(E_INVALIDARG, acc->get_accName(wrongType, &text)),
        ROW(E_INVALIDARG, acc->get_accName(empty, &text)),
        ROW(E_POINTER, acc->get_accName(self, nullptr)),
        ROW(E_INVALIDARG, acc->get_accValue(distant, &text)),
        ROW(E_POINTER, acc->get_accDescription(self, nullptr)),
        ROW(E_INVALIDARG, acc->get_accRole(distant, &result)),
        ROW(E_POINTER, acc->get_accRole(self, nullptr)),
        ROW(E_INVALIDARG, acc->get_accState(distant, &result)),
        ROW(E_POINTER, acc->get_accState(self, nullptr)),
        ROW(E_POINTER, acc->get_accHelp(self, nullptr)),
        ROW(E_INVALIDARG, acc->get_accKeyboardShortcut(distant, &text)),
        ROW(E_POINTER, acc->get_accFocus(nullptr)),
        ROW(E_POINTER, acc->get_accSelection(nullptr)),
        ROW(E_INVALIDARG, acc->get_accDefaultAction(distant, &text)),
        ROW(E_POINTER, acc->accLocation(nullptr, nullptr, nullptr, nullptr, self)),
        ROW(E_INVALIDARG, acc->accLocation(&left, &top, &width, &height, distant)),
        ROW(E_POINTER, acc->accNavigate(NAVDIR_FIRSTCHILD, self, nullptr)),
        ROW(E_POINTER, acc->accHitTest(0, 0, nullptr)),
        ROW(E_INVALIDARG, acc->put_accValue(distant, nullptr)),
    });
    VariantClear(&result);
    ASSERT_HRESULT_SUCCEEDED(acc->get_accChildCount(&count));
    ASSERT_EQ(S_OK, acc->get_accName(self, &text));
    SysFreeString(text);
    ExpectWorking();
}

}  // namespace
