// Bad input through the menu bar's IMenuCtrl and the standard OLE interfaces
// of both controls: null pointers, unknown aspects and kinds, cookies that
// were never given, malformed streams and storages.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "BadInput.h"
#include "container/OleHandle.h"
#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "support/RegistryKeys.h"
#include "support/TestContainer.h"

namespace {

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

// A sink that answers IUnknown only: no event interface, no IDispatch.
class CMuteSink final : public IUnknown {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        *ppv = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
};

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
    RegistryKeysGuard registry_;
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
    LPOLESTR userType = nullptr;
    IConnectionPoint* noPoint = nullptr;
    CMuteSink mute;
    FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    GUID guid{};
    const RECT rect{0, 0, 100, 50};
    const RECTL bounds{0, 0, 100, 50};
    const HDC screen = GetDC(nullptr);
    const BYTE garbage[] = {0xFF, 0xFF, 0xFF, 0x7F, 0x13, 0x37, 0x00, 0x01, 0xDE, 0xAD};
    const ComPtr<IStorage> empty = EmptyStorage();

    ExpectAnswers({
        {"IOleObject::GetExtent(null)", [&] { return object->GetExtent(DVASPECT_CONTENT, nullptr); }, E_POINTER},
        {"IOleObject::GetExtent(aspect 0x40)", [&] { return object->GetExtent(0x40, &size); }, E_FAIL},
        {"IOleObject::SetExtent(null)", [&] { return object->SetExtent(DVASPECT_CONTENT, nullptr); }, E_POINTER},
        {"IOleObject::SetExtent(aspect 0x40)", [&] { return object->SetExtent(0x40, &size); }, DV_E_DVASPECT},
        {"IOleObject::GetMiscStatus(null)", [&] { return object->GetMiscStatus(DVASPECT_CONTENT, nullptr); },
         E_POINTER},
        {"IOleObject::GetUserType(null)", [&] { return object->GetUserType(USERCLASSTYPE_FULL, nullptr); }, E_POINTER},
        {"IOleObject::GetUserClassID(null)", [&] { return object->GetUserClassID(nullptr); }, E_POINTER},
        {"IOleObject::GetClientSite(null)", [&] { return object->GetClientSite(nullptr); }, E_POINTER},
        {"IOleObject::EnumVerbs(null)", [&] { return object->EnumVerbs(nullptr); }, E_POINTER},
        {"IOleObject::Advise(null sink)", [&] { return object->Advise(nullptr, &cookie); }, E_POINTER},
        {"IOleObject::Unadvise(never given)", [&] { return object->Unadvise(0xBAD); }, OLE_E_NOCONNECTION},
        {"IOleObject::SetHostNames(unterminated)", [&] { return object->SetHostNames(openName, openName); }, S_OK},
        {"IOleObject::DoVerb(unknown verb)",
         [&] { return object->DoVerb(9999, nullptr, nullptr, 0, container_.Window(), &rect); }, OLEOBJ_S_INVALIDVERB},
        {"IOleObject::SetColorScheme(null)", [&] { return object->SetColorScheme(nullptr); }, E_NOTIMPL},
        {"IPersistStreamInit::GetClassID(null)", [&] { return stream->GetClassID(nullptr); }, E_POINTER},
        {"IPersistStreamInit::Load(null)", [&] { return stream->Load(nullptr); }, E_INVALIDARG},
        {"IPersistStreamInit::Save(null)", [&] { return stream->Save(nullptr, TRUE); }, E_INVALIDARG},
        {"IPersistStreamInit::GetSizeMax(null)", [&] { return stream->GetSizeMax(nullptr); }, E_POINTER},
        {"IPersistStreamInit::Load(empty stream)", [&] { return stream->Load(StreamOf(nullptr, 0).Get()); }, E_FAIL},
        {"IPersistStreamInit::Load(garbage)", [&] { return stream->Load(StreamOf(garbage, sizeof garbage).Get()); },
         E_FAIL},
        {"IPersistStorage::InitNew(null)", [&] { return storage->InitNew(nullptr); }, E_INVALIDARG},
        {"IPersistStorage::Load(null)", [&] { return storage->Load(nullptr); }, E_INVALIDARG},
        {"IPersistStorage::Save(null)", [&] { return storage->Save(nullptr, TRUE); }, E_INVALIDARG},
        {"IPersistStorage::Load(empty storage)", [&] { return storage->Load(empty.Get()); }, STG_E_FILENOTFOUND},
        {"IViewObject::Draw(aspect 0x40)",
         [&] { return view->Draw(0x40, -1, nullptr, nullptr, nullptr, screen, &bounds, nullptr, nullptr, 0); }, S_OK},
        {"IViewObject::Draw(no bounds)",
         [&] {
             return view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, screen, nullptr, nullptr, nullptr, 0);
         },
         E_INVALIDARG},
        {"IViewObject::Draw(no device)",
         [&] {
             return view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr, &bounds, nullptr, nullptr, 0);
         },
         E_INVALIDARG},
        {"IViewObject::GetColorSet(null)",
         [&] { return view->GetColorSet(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr); }, E_NOTIMPL},
        {"IViewObject::SetAdvise(aspect 0x40)", [&] { return view->SetAdvise(0x40, 0, nullptr); }, S_OK},
        {"IViewObject::GetAdvise(nulls)", [&] { return view->GetAdvise(nullptr, nullptr, nullptr); }, S_OK},
        {"IViewObject2::GetExtent(null)", [&] { return view->GetExtent(DVASPECT_CONTENT, -1, nullptr, nullptr); },
         E_POINTER},
        {"IOleInPlaceObject::GetWindow(null)", [&] { return inPlace->GetWindow(nullptr); }, E_POINTER},
        {"IOleInPlaceObject::SetObjectRects(null)", [&] { return inPlace->SetObjectRects(nullptr, nullptr); },
         E_POINTER},
        {"IOleInPlaceObject::ContextSensitiveHelp", [&] { return inPlace->ContextSensitiveHelp(TRUE); }, E_NOTIMPL},
        {"FindConnectionPoint(unknown)", [&] { return points->FindConnectionPoint(IID_IStream, &noPoint); },
         CONNECT_E_NOCONNECTION},
        {"FindConnectionPoint(null)", [&] { return points->FindConnectionPoint(GetParam().events, nullptr); },
         E_POINTER},
        {"EnumConnectionPoints(null)", [&] { return points->EnumConnectionPoints(nullptr); }, E_POINTER},
        {"IConnectionPoint::Advise(null)", [&] { return point->Advise(nullptr, &cookie); }, E_POINTER},
        {"IConnectionPoint::Advise(no cookie)", [&] { return point->Advise(&mute, nullptr); }, E_POINTER},
        {"IConnectionPoint::Advise(mute sink)", [&] { return point->Advise(&mute, &cookie); }, CONNECT_E_CANNOTCONNECT},
        {"IConnectionPoint::Unadvise(0)", [&] { return point->Unadvise(0); }, CONNECT_E_NOCONNECTION},
        {"IConnectionPoint::Unadvise(never given)", [&] { return point->Unadvise(0xBAD); }, CONNECT_E_NOCONNECTION},
        {"IConnectionPoint::GetConnectionInterface(null)", [&] { return point->GetConnectionInterface(nullptr); },
         E_POINTER},
        {"IConnectionPoint::GetConnectionPointContainer(null)",
         [&] { return point->GetConnectionPointContainer(nullptr); }, E_POINTER},
        {"IConnectionPoint::EnumConnections(null)", [&] { return point->EnumConnections(nullptr); }, E_POINTER},
        {"IDataObject::GetData(null format)", [&] { return data->GetData(nullptr, &medium); }, E_POINTER},
        {"IDataObject::GetData(null medium)", [&] { return data->GetData(&text, nullptr); }, E_POINTER},
        {"IDataObject::GetData(CF_TEXT)", [&] { return data->GetData(&text, &medium); }, DV_E_FORMATETC},
        {"IDataObject::QueryGetData(null)", [&] { return data->QueryGetData(nullptr); }, E_POINTER},
        {"IDataObject::EnumFormatEtc(null)", [&] { return data->EnumFormatEtc(DATADIR_GET, nullptr); }, E_POINTER},
        {"IDataObject::DAdvise(null)", [&] { return data->DAdvise(nullptr, 0, nullptr, nullptr); }, E_POINTER},
        {"IDataObject::DUnadvise(never given)", [&] { return data->DUnadvise(0xBAD); }, OLE_E_NOCONNECTION},
        {"IProvideClassInfo::GetClassInfo(null)", [&] { return classInfo->GetClassInfo(nullptr); }, E_POINTER},
        {"IProvideClassInfo2::GetGUID(kind 99)", [&] { return classInfo->GetGUID(99, &guid); }, E_FAIL},
        {"IProvideClassInfo2::GetGUID(null)",
         [&] { return classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr); }, E_POINTER},
        {"IQuickActivate::QuickActivate(nulls)", [&] { return quick->QuickActivate(nullptr, nullptr); }, E_POINTER},
        {"IQuickActivate::SetContentExtent(null)", [&] { return quick->SetContentExtent(nullptr); }, E_POINTER},
        {"IQuickActivate::GetContentExtent(null)", [&] { return quick->GetContentExtent(nullptr); }, E_POINTER},
    });
    ReleaseDC(nullptr, screen);
    if (userType != nullptr) CoTaskMemFree(userType);

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
        {"get_BackColor(null)", [&] { return bar->get_BackColor(nullptr); }, E_POINTER},
        {"get_ForeColor(null)", [&] { return bar->get_ForeColor(nullptr); }, E_POINTER},
        {"get_Owner(null)", [&] { return bar->get_Owner(nullptr); }, E_POINTER},
        {"get_Menu(null)", [&] { return bar->get_Menu(nullptr); }, E_POINTER},
        {"get_ImageList(null)", [&] { return bar->get_ImageList(nullptr); }, E_POINTER},
        {"get_MenuColor(null)", [&] { return bar->get_MenuColor(nullptr); }, E_POINTER},
        {"get_MenuTextColor(null)", [&] { return bar->get_MenuTextColor(nullptr); }, E_POINTER},
        {"get_Orientation(null)", [&] { return bar->get_Orientation(nullptr); }, E_POINTER},
        {"AutoSize(null)", [&] { return bar->AutoSize(nullptr); }, E_POINTER},
        {"put_Owner(0)", [&] { return bar->put_Owner(0); }, E_INVALIDARG},
        {"put_Owner(destroyed window)", [&] { return bar->put_Owner(OleHandle(destroyed)); }, E_INVALIDARG},
        {"put_Owner(garbage)", [&] { return bar->put_Owner(0x7FFFFFF0); }, E_INVALIDARG},
        {"put_Menu(0)", [&] { return bar->put_Menu(0); }, E_INVALIDARG},
        {"put_Menu(destroyed menu)", [&] { return bar->put_Menu(OleHandle(gone)); }, E_INVALIDARG},
        {"put_Menu(a window)", [&] { return bar->put_Menu(OleHandle(container.Window())); }, E_INVALIDARG},
        {"put_ImageList(0)", [&] { return bar->put_ImageList(0); }, E_INVALIDARG},
        {"put_BackColor(bad OLE_COLOR)", [&] { return bar->put_BackColor(0x7F000000); }, S_OK},
        {"put_ForeColor(bad system colour)", [&] { return bar->put_ForeColor(0x800000FF); }, S_OK},
        {"put_MenuColor(bad system colour)", [&] { return bar->put_MenuColor(0x800000FF); }, S_OK},
        {"put_MenuTextColor(bad OLE_COLOR)", [&] { return bar->put_MenuTextColor(0xFFFFFFFF); }, S_OK},
        {"put_Orientation(-300)", [&] { return bar->put_Orientation(-300); }, S_OK},
        {"put_Orientation(0)", [&] { return bar->put_Orientation(0); }, S_OK},
        {"SetMenuItemImage(unknown id)", [&] { return bar->SetMenuItemImage(-1, 5); }, S_OK},
        {"SetMenuItemImage(index past the list)", [&] { return bar->SetMenuItemImage(101, INT_MAX); }, S_OK},
        {"GetItemRect(-1)", [&] { return bar->GetItemRect(-1, reinterpret_cast<LONG_PTR>(&rect)); }, E_INVALIDARG},
        {"GetItemRect(past the end)", [&] { return bar->GetItemRect(2, reinterpret_cast<LONG_PTR>(&rect)); },
         E_INVALIDARG},
        {"GetItemRect(null)", [&] { return bar->GetItemRect(0, 0); }, E_INVALIDARG},
        {"GetItemRect(address 1)", [&] { return bar->GetItemRect(0, 1); }, E_INVALIDARG},
        {"GetItemRect(straddling the guard page)", [&] { return bar->GetItemRect(0, straddling); }, E_INVALIDARG},
        {"GetItemRect(inaccessible page)", [&] { return bar->GetItemRect(0, inaccessible); }, E_INVALIDARG},
        {"GetItemRect(read-only page)", [&] { return bar->GetItemRect(0, reinterpret_cast<LONG_PTR>(readOnly)); },
         E_INVALIDARG},
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

}  // namespace
