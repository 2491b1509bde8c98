// Malformed streams: control/PersistenceTest and tests/fuzz/property_stream.
// The standard OLE interfaces are the control frame's, the same for both:
// they are asked of the pane.
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
#include "support/PixelCanvas.h"

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

// 64 bytes of 'x' without a terminator, right before a PAGE_NOACCESS page:
// whoever reads past them faults. The pages stay for the whole program.
char* UnterminatedText() {
    static char* const text = [] {
        auto* base = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base + 4096, 4096, PAGE_NOACCESS, &old);
        std::memset(base + 4096 - 64, 'x', 64);
        return base + 4096 - 64;
    }();
    return text;
}

template <class I>
CComPtr<I> Ask(IUnknown* control) {
    CComPtr<I> result;
    control->QueryInterface(__uuidof(I), reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
    return result;
}

class BadInput : public PaneTest {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(m_BarHost.Create(CreateMenuCtrl));
        ASSERT_HRESULT_SUCCEEDED(m_BarHost.Activate());
        m_pBar = m_BarHost.Query<IMenuCtrl>(IID_IMenuCtrl);
        ASSERT_TRUE(m_pBar && m_pObject && m_pStream && m_pStorage && m_pView && m_pInPlace && m_pPoints && m_pData &&
                    m_pQuick);
        ASSERT_TRUE(m_pClassInfo && m_pText && m_pDispatch && m_pAccessible);
        ASSERT_EQ(S_OK, m_pPoints->FindConnectionPoint(DIID__IDeviceTransferEvents, m_pPoint.ReleaseAndGetAddressOf()));
        const HMENU menu = CreateMenu();
        AppendMenuA(menu, MF_STRING, 101, "&File");
        AppendMenuA(menu, MF_STRING, 102, "&Help");
        ASSERT_EQ(S_OK, m_pBar->put_Owner(OleHandle(m_BarHost.Window())));
        ASSERT_EQ(S_OK, m_pBar->put_Menu(OleHandle(menu)));
        Add(Program("Morning News"));
    }

    // Both controls still at work: a program goes in and comes back, the
    // pane draws itself, the bar measures its items.
    void TearDown() override {
        SCOPED_TRACE("normal calls afterwards");
        ASSERT_TRUE(IsWindow(Window()));
        ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(DEVICE_VIEW));
        Add(Program("Evening News"));
        CDeviceProgram back{};
        ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(0, &back));
        EXPECT_STREQ("Evening News", back.m_szTitle);
        EXPECT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, "Connected"));
        const CPixelCanvas canvas(100, 50);
        const RECTL bounds{0, 0, 100, 50};
        EXPECT_EQ(S_OK, m_pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.dc(), &bounds, nullptr,
                                      nullptr, 0));
        RECT rect{};
        EXPECT_EQ(S_OK, m_pBar->GetItemRect(1, reinterpret_cast<LONG_PTR>(&rect)));
        EXPECT_GT(rect.right, rect.left);
        CTestContainer::ProcessMessages();
        PaneTest::TearDown();
    }

    CTestContainer m_BarHost;
    CComPtr<IMenuCtrl> m_pBar;
    IUnknown* const m_pControl = m_pContainer->Control();
    const CComPtr<IOleObject> m_pObject = Ask<IOleObject>(m_pControl);
    const CComPtr<IPersistStreamInit> m_pStream = Ask<IPersistStreamInit>(m_pControl);
    const CComPtr<IPersistStorage> m_pStorage = Ask<IPersistStorage>(m_pControl);
    const CComPtr<IViewObject2> m_pView = Ask<IViewObject2>(m_pControl);
    const CComPtr<IOleInPlaceObject> m_pInPlace = Ask<IOleInPlaceObject>(m_pControl);
    const CComPtr<IConnectionPointContainer> m_pPoints = Ask<IConnectionPointContainer>(m_pControl);
    CComPtr<IConnectionPoint> m_pPoint;
    const CComPtr<IDataObject> m_pData = Ask<IDataObject>(m_pControl);
    const CComPtr<IProvideClassInfo2> m_pClassInfo = Ask<IProvideClassInfo2>(m_pControl);
    const CComPtr<IQuickActivate> m_pQuick = Ask<IQuickActivate>(m_pControl);
    const CComPtr<IPluginText> m_pText = m_pContainer->Query<IPluginText>(IID_IPluginText);
    const CComPtr<IDispatch> m_pDispatch = Ask<IDispatch>(m_pControl);
    const CComPtr<IAccessible> m_pAccessible = Ask<IAccessible>(m_pControl);  // the pane's own, not the proxy
    const VARIANT m_vSelf = CVariant::Int32(CHILDID_SELF).get();
    VARIANT m_vResult{};
    BSTR m_bstrText = nullptr;
    FORMATETC m_Format{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM m_Medium{};
    DISPID m_dispid = 0;
    DWORD m_dwCookie = 0;
};

TEST_F(BadInput, NullPointers) {
    const HDC screen = GetDC(nullptr);
    const RECTL bounds{0, 0, 100, 50};
    LONG n = 0;
    ExpectAnswers({
        ROW(E_POINTER, m_pObject->GetExtent(DVASPECT_CONTENT, nullptr)),
        ROW(E_POINTER, m_pObject->GetUserClassID(nullptr)),
        ROW(E_POINTER, m_pObject->Advise(nullptr, &m_dwCookie)),
        ROW(E_POINTER, m_pStream->GetSizeMax(nullptr)),
        ROW(E_INVALIDARG, m_pStream->Load(nullptr)),
        ROW(E_INVALIDARG, m_pStorage->Load(nullptr)),
        ROW(E_INVALIDARG,
            m_pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, screen, nullptr, nullptr, nullptr, 0)),
        ROW(E_INVALIDARG,
            m_pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr, &bounds, nullptr, nullptr, 0)),
        ROW(E_POINTER, m_pView->GetExtent(DVASPECT_CONTENT, -1, nullptr, nullptr)),
        ROW(E_POINTER, m_pInPlace->GetWindow(nullptr)),
        ROW(E_POINTER, m_pInPlace->SetObjectRects(nullptr, nullptr)),
        ROW(E_POINTER, m_pPoints->FindConnectionPoint(DIID__IDeviceTransferEvents, nullptr)),
        ROW(E_POINTER, m_pPoints->EnumConnectionPoints(nullptr)),
        ROW(E_POINTER, m_pPoint->Advise(m_pControl, nullptr)),
        ROW(E_POINTER, m_pPoint->GetConnectionInterface(nullptr)),
        ROW(E_POINTER, m_pData->GetData(nullptr, &m_Medium)),
        ROW(E_POINTER, m_pData->GetData(&m_Format, nullptr)),
        ROW(E_POINTER, m_pData->DAdvise(nullptr, 0, nullptr, nullptr)),
        ROW(E_POINTER, m_pClassInfo->GetClassInfo(nullptr)),
        ROW(E_POINTER, m_pClassInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr)),
        ROW(E_POINTER, m_pQuick->QuickActivate(nullptr, nullptr)),
        ROW(E_POINTER, m_pQuick->GetContentExtent(nullptr)),
        ROW(E_POINTER, m_pBar->get_Menu(nullptr)),
        ROW(E_POINTER, m_pBar->AutoSize(nullptr)),
        ROW(E_POINTER, m_pPane->AddProgram(nullptr)),
        ROW(E_POINTER, m_pPane->GetProgramProperties(0, nullptr)),
        ROW(E_POINTER, m_pPane->UpdateProgram(0, nullptr, 1)),
        ROW(E_POINTER, m_pPane->GetDeviceInfo(nullptr)),
        ROW(E_POINTER, m_pPane->GetSelItems(nullptr, 4)),
        ROW(E_POINTER, m_pPane->CreateProgramAdjustDialog(nullptr, -1)),
        ROW(E_POINTER, m_pPane->SetAboutDeviceText(nullptr)),
        ROW(E_POINTER, m_pText->SetPluginText(1, nullptr)),
        ROW(E_POINTER, m_pDispatch->GetTypeInfoCount(nullptr)),
        ROW(E_POINTER, m_pDispatch->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &m_dispid)),
        ROW(DISP_E_BADVARTYPE,
            m_pDispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, &m_vResult, nullptr, nullptr)),
        ROW(E_POINTER, m_pAccessible->get_accName(m_vSelf, nullptr)),
        ROW(E_POINTER, m_pAccessible->get_accFocus(nullptr)),
        ROW(E_POINTER, m_pAccessible->accLocation(&n, &n, &n, nullptr, m_vSelf)),
        ROW(E_POINTER, m_pAccessible->accHitTest(0, 0, nullptr)),
    });
    ReleaseDC(nullptr, screen);
}

// Every character array full, none terminated, beside figures at their limits.
TEST_F(BadInput, TextsWithoutATerminatorOrOfAMegabyte) {
    const char* open = UnterminatedText();
    const auto openWide = reinterpret_cast<LPOLESTR>(UnterminatedText());
    const std::string hugeText(1 << 20, 'y');
    const char* huge = hugeText.c_str();
    CDeviceProgram program{};
    std::memset(&program, 'z', offsetof(CDeviceProgram, m_TotalTime));
    program.m_TotalTime = INT_MIN;
    program.m_TimeOnDevice = -1;
    program.m_SizeOnDevice = program.m_ProgramStart = INT_MAX;
    program.m_PlayBackPos = INT_MIN;
    program.m_CodecIconIndex = 99999;
    program.m_fCanProgramBeResized = -3;
    CDeviceInfo info{};
    info.fieldUsed = -1;  // every bit, the undocumented ones too
    std::memset(info.szDeviceName, 'n', sizeof info.szDeviceName);
    info.totalMemory = -1;
    info.usedMemory = LLONG_MAX;
    info.hDeviceImage = reinterpret_cast<HICON>(static_cast<UINT_PTR>(0xBAD0));
    LPOLESTR name = openWide;
    ExpectAnswers({
        ROW(S_OK, m_pObject->SetHostNames(openWide, openWide)),
        ROW(S_OK, m_pPane->AddProgram(&program)),
        ROW(S_OK, m_pPane->UpdateProgram(0, &program, 1)),
        ROW(S_OK, m_pPane->SetDeviceConnection(1, 1, open)),
        ROW(S_OK, m_pPane->SetDeviceConnection(-7, 99, huge)),
        ROW(S_OK, m_pPane->SetDeviceInfo(info)),
        ROW(S_OK, m_pPane->SetTransferProgram(open)),
        ROW(S_OK, m_pPane->SetTransferProgram(huge)),
        ROW(E_POINTER, m_pPane->SetAboutDeviceText(open)),
        ROW(S_OK, m_pPane->SetAboutDeviceText(huge)),
        ROW(E_POINTER, m_pText->SetPluginText(1, open)),
        ROW(S_OK, m_pText->SetPluginText(INT_MIN, huge)),
        ROW(S_OK, m_pText->LockPluginText(-9)),
        ROW(S_OK, m_pPane->SetDeviceConnection(0, 1, open)),
        ROW(S_OK, m_pText->LockPluginText(0)),
        ROW(DISP_E_UNKNOWNNAME, m_pDispatch->GetIDsOfNames(IID_NULL, &name, 1, 0, &m_dispid)),
    });
    EXPECT_EQ(S_OK, m_pPane->RemoveAllPrograms());
}

// A RECT at address 1, one that starts 8 bytes before an inaccessible page,
// that page itself, and a read-only page.
TEST_F(BadInput, NumbersHandlesKindsAndAddressesOutOfRange) {
    const auto inaccessible = reinterpret_cast<LONG_PTR>(UnterminatedText() + 64);
    void* const readOnly = VirtualAlloc(nullptr, 1, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY);
    ASSERT_NE(nullptr, readOnly);
    SIZEL size{};
    GUID guid{};
    CDeviceProgram program = Program("Noon News"), out{};
    int items[4] = {};
    const RECT rect{0, 0, 100, 50};
    RECT itemRect{};
    DISPPARAMS none{};
    const VARIANT distant = CVariant::Int32(100000).get();
    VARIANT wrongType = CVariant::Int32(0).get();
    V_VT(&wrongType) = VT_R8;
    IDispatch* child = nullptr;
    LONG n = 0;
    const HWND destroyed = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(destroyed);
    const HMENU gone = CreateMenu();
    DestroyMenu(gone);
    ExpectAnswers({
        ROW(E_FAIL, m_pObject->GetExtent(0x40, &size)),
        ROW(DV_E_DVASPECT, m_pObject->SetExtent(0x40, &size)),
        ROW(OLEOBJ_S_INVALIDVERB, m_pObject->DoVerb(9999, nullptr, nullptr, 0, m_pContainer->Window(), &rect)),
        ROW(OLE_E_NOCONNECTION, m_pObject->Unadvise(0xBAD)),
        ROW(S_OK, m_pView->SetAdvise(0x40, 0, nullptr)),
        ROW(DV_E_FORMATETC, m_pData->GetData(&m_Format, &m_Medium)),
        ROW(OLE_E_NOCONNECTION, m_pData->DUnadvise(0xBAD)),
        ROW(E_FAIL, m_pClassInfo->GetGUID(99, &guid)),
        ROW(E_INVALIDARG, m_pBar->put_Owner(OleHandle(destroyed))),
        ROW(E_INVALIDARG, m_pBar->put_Menu(OleHandle(gone))),
        ROW(E_INVALIDARG, m_pBar->put_Menu(OleHandle(m_BarHost.Window()))),
        ROW(E_INVALIDARG, m_pBar->put_ImageList(0)),
        ROW(S_OK, m_pBar->put_BackColor(0x7F000000)),
        ROW(S_OK, m_pBar->put_MenuColor(0x800000FF)),
        ROW(S_OK, m_pBar->put_Orientation(-300)),
        ROW(S_OK, m_pBar->SetMenuItemImage(-1, 5)),
        ROW(S_OK, m_pBar->SetMenuItemImage(101, INT_MAX)),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(-1, reinterpret_cast<LONG_PTR>(&itemRect))),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(2, reinterpret_cast<LONG_PTR>(&itemRect))),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(0, 0)),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(0, 1)),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(0, inaccessible - 8)),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(0, inaccessible)),
        ROW(E_INVALIDARG, m_pBar->GetItemRect(0, reinterpret_cast<LONG_PTR>(readOnly))),
        ROW(S_OK, m_pPane->RemoveProgram(INT_MIN)),
        ROW(S_FALSE, m_pPane->RemoveProgram(INT_MAX)),
        ROW(E_FAIL, m_pPane->GetProgramProperties(-1, &out)),
        ROW(E_FAIL, m_pPane->GetProgramProperties(INT_MAX, &out)),
        ROW(S_OK, m_pPane->UpdateProgram(-1, &program, 1)),
        ROW(S_OK, m_pPane->GetSelItems(items, -1)),
        ROW(S_OK, m_pPane->SetImageList(reinterpret_cast<void*>(static_cast<UINT_PTR>(0xBAD0)))),
        ROW(DISP_E_MEMBERNOTFOUND,
            m_pDispatch->Invoke(12345, IID_NULL, 0, DISPATCH_METHOD, &none, &m_vResult, nullptr, nullptr)),
        ROW(DISP_E_MEMBERNOTFOUND,
            m_pDispatch->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD, &none, &m_vResult, nullptr, nullptr)),
        ROW(E_INVALIDARG, m_pAccessible->get_accChild(distant, &child)),
        ROW(S_OK, m_pAccessible->get_accName(distant, &m_bstrText)),
        ROW(E_INVALIDARG, m_pAccessible->get_accName(wrongType, &m_bstrText)),
        ROW(E_INVALIDARG, m_pAccessible->get_accRole(distant, &m_vResult)),
        ROW(E_INVALIDARG, m_pAccessible->accLocation(&n, &n, &n, &n, distant)),
        ROW(E_INVALIDARG, m_pAccessible->put_accValue(distant, nullptr)),
    });
    SysFreeString(m_bstrText);
    VariantClear(&m_vResult);
    VirtualFree(readOnly, 0, MEM_RELEASE);
    // With the selection gone, the details of nothing.
    m_pPane->RemoveAllPrograms();
    EXPECT_EQ(S_OK, m_pPane->ShowSelectedProgramDetails());
}

}  // namespace
