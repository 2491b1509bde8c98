#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"

#include <gtest/gtest.h>

namespace {

SIZEL ExtentOf(IUnknown* control) {
    SIZEL extent{};
    Ask<IOleObject>(control, IID_IOleObject)->GetExtent(DVASPECT_CONTENT, &extent);
    return extent;
}

void SetExtentOf(IUnknown* control, LONG cx, LONG cy) {
    SIZEL extent{cx, cy};
    Ask<IOleObject>(control, IID_IOleObject)->SetExtent(DVASPECT_CONTENT, &extent);
}

std::vector<BYTE> Saved(IUnknown* control) {
    const CComPtr<IStream> stream = StreamHolding({});
    EXPECT_HRESULT_SUCCEEDED(Ask<IPersistStreamInit>(control, IID_IPersistStreamInit)->Save(stream.Get(), TRUE));
    return StreamContent(stream.Get());
}

HRESULT Load(IUnknown* control, const std::vector<BYTE>& bytes) {
    const CComPtr<IStream> stream = StreamHolding(bytes);
    return Ask<IPersistStreamInit>(control, IID_IPersistStreamInit)->Load(stream.Get());
}

OLE_COLOR ColourOf(IUnknown* bar, HRESULT (STDMETHODCALLTYPE IMenuCtrl::*get)(OLE_COLOR*) = &IMenuCtrl::get_BackColor) {
    OLE_COLOR color = 0;
    (Ask<IMenuCtrl>(bar, IID_IMenuCtrl).Get()->*get)(&color);
    return color;
}

// The stream of a bar with extent 1000 x 500 and the given colours.
std::vector<BYTE> MenuStream(DWORD version, OLE_COLOR back, OLE_COLOR fore) {
    return LittleEndian({{4, version}, {4, 1000}, {4, 500}, {2, VT_UI4}, {4, back}, {2, VT_UI4}, {4, fore}});
}

TEST(ControlPersistence, PaneSavesVersionAndExtentAndTheBarItsColoursAsVariantsAfterThem) {
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const SIZEL extent = ExtentOf(pane.Get());
    EXPECT_EQ(LittleEndian({{4, 0x710}, {4, static_cast<DWORD>(extent.cx)}, {4, static_cast<DWORD>(extent.cy)}}),
              Saved(pane.Get()));
    ULARGE_INTEGER size{};
    ASSERT_EQ(S_OK, Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit)->GetSizeMax(&size));
    EXPECT_EQ(12u, size.QuadPart);

    // Loaded clean; a property or the extent changed makes it dirty, a save clean.
    const CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const CComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(bar.Get(), IID_IPersistStreamInit);
    ASSERT_EQ(S_OK, Load(bar.Get(), MenuStream(0x710, 0x00ABCDEF, 0x00010203)));
    EXPECT_EQ(0x00ABCDEFu, ColourOf(bar.Get()));
    EXPECT_EQ(0x00010203u, ColourOf(bar.Get(), &IMenuCtrl::get_ForeColor));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(0x00123456);
    EXPECT_EQ(S_OK, persist->IsDirty());
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_ForeColor(0x00654321);
    EXPECT_EQ(MenuStream(0x710, 0x00123456, 0x00654321), Saved(bar.Get()));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    ASSERT_EQ(S_OK, persist->GetSizeMax(&size));
    EXPECT_EQ(24u, size.QuadPart);
    SetExtentOf(bar.Get(), 4000, 600);
    EXPECT_EQ(S_OK, persist->IsDirty());
}

// A successful load also clears the dirty flag that InitNew set.
TEST(ControlPersistence, LoadReadsExactlyTheLayoutAndNoFurtherAndLeavesTheControlClean) {
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const CComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit);
    ASSERT_EQ(S_OK, persist->InitNew());
    EXPECT_EQ(S_OK, persist->IsDirty());
    // The container's own data follows.
    const CComPtr<IStream> stream = StreamHolding(LittleEndian({{4, 0x710}, {4, 300}, {4, 200}, {4, 0xCAFE}}));

    ASSERT_EQ(S_OK, persist->Load(stream.Get()));
    EXPECT_EQ(12u, StreamPosition(stream.Get()));
    EXPECT_EQ(300, ExtentOf(pane.Get()).cx);
    EXPECT_EQ(200, ExtentOf(pane.Get()).cy);
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    EXPECT_EQ(S_FALSE, Ask<IPersistStorage>(pane.Get(), IID_IPersistStorage)->IsDirty());
}

TEST(ControlPersistence, RefusedStreamChangesNothingAndKeepsTheControlDirty) {
    std::vector<BYTE> truncated = MenuStream(0x710, 0x00ABCDEF, 0x00010203);
    truncated.resize(truncated.size() - 2);  // the end of ForeColor is missing
    // A variant type without stream form.
    const std::vector<BYTE> bstr = LittleEndian({{4, 0x710}, {4, 1000}, {4, 500}, {2, VT_BSTR}, {4, 0x00ABCDEF}});
    const struct {
        const char* name;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"later version", MenuStream(0x711, 0x00ABCDEF, 0x00010203)},
        {"truncated", truncated},
        {"VT_BSTR colour", bstr},
    };
    for (const auto& c : cases) {
        const CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
        const CComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(bar.Get(), IID_IPersistStreamInit);
        ASSERT_EQ(S_OK, persist->InitNew());
        const SIZEL extent = ExtentOf(bar.Get());
        const OLE_COLOR back = ColourOf(bar.Get());

        EXPECT_EQ(E_FAIL, Load(bar.Get(), c.bytes)) << "case " << c.name;
        EXPECT_EQ(extent.cx, ExtentOf(bar.Get()).cx) << "case " << c.name;
        EXPECT_EQ(extent.cy, ExtentOf(bar.Get()).cy) << "case " << c.name;
        EXPECT_EQ(back, ColourOf(bar.Get())) << "case " << c.name;
        EXPECT_EQ(S_OK, persist->IsDirty()) << "case " << c.name;
    }
}

// A VARIANT entry that cannot be written fails the save with E_FAIL, as
// one that cannot be read does; the version and extent pass the stream's
// own error on. The control stays dirty either way.
TEST(ControlPersistence, SaveThatCannotWriteAnEntryFailsAndKeepsTheControlDirty) {
    const struct {
        ControlCreator creator;
        ULONG capacity;
        HRESULT expected;
    } cases[] = {
        {CreateMenuCtrl, 12, E_FAIL},           // BackColor does not fit
        {CreateMenuCtrl, 20, E_FAIL},           // ForeColor does not fit
        {CreateMenuCtrl, 4, STG_E_MEDIUMFULL},  // the extent does not fit
        {CreateDeviceTransfer, 8, STG_E_MEDIUMFULL},
        {CreateMenuCtrl, 24, S_OK},
        {CreateDeviceTransfer, 12, S_OK},
    };
    for (const auto& c : cases) {
        const CComPtr<IUnknown> control = NewControl(c.creator);
        const CComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(control.Get(), IID_IPersistStreamInit);
        ASSERT_EQ(S_OK, persist->InitNew());
        const CComPtr<IStream> stream = StreamFullAfter(c.capacity);
        EXPECT_EQ(c.expected, persist->Save(stream.Get(), TRUE)) << "capacity " << c.capacity;
        EXPECT_EQ(c.expected == S_OK ? S_FALSE : S_OK, persist->IsDirty()) << "capacity " << c.capacity;
    }
}

// An existing, longer "Contents" stream is replaced.
TEST(StoragePersistence, SaveWritesTheStreamLayoutIntoContentsAndLoadReadsIt) {
    CComPtr<ILockBytes> bytes;
    CComPtr<IStorage> storage;
    ASSERT_HRESULT_SUCCEEDED(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.ReleaseAndGetAddressOf()));
    ASSERT_HRESULT_SUCCEEDED(StgCreateDocfileOnILockBytes(
        bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.ReleaseAndGetAddressOf()));
    const CComPtr<IUnknown> loaded = NewControl(CreateMenuCtrl);
    const SIZEL extent = ExtentOf(loaded.Get());
    EXPECT_EQ(STG_E_FILENOTFOUND, Ask<IPersistStorage>(loaded.Get(), IID_IPersistStorage)->Load(storage.Get()));
    EXPECT_EQ(extent.cx, ExtentOf(loaded.Get()).cx);

    CComPtr<IStream> contents;
    const DWORD mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    ASSERT_HRESULT_SUCCEEDED(
        storage->CreateStream(L"Contents", STGM_CREATE | mode, 0, 0, contents.ReleaseAndGetAddressOf()));
    const char junk[40] = "an older and longer content than ours";
    contents->Write(junk, sizeof junk, nullptr);
    contents.Reset();
    const CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    SetExtentOf(bar.Get(), 1000, 500);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(0x00123456);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_ForeColor(0x00654321);
    ASSERT_EQ(S_OK, Ask<IPersistStorage>(bar.Get(), IID_IPersistStorage)->Save(storage.Get(), TRUE));
    ASSERT_HRESULT_SUCCEEDED(storage->OpenStream(L"Contents", nullptr, mode, 0, contents.ReleaseAndGetAddressOf()));
    EXPECT_EQ(MenuStream(0x710, 0x00123456, 0x00654321), StreamContent(contents.Get()));
    contents.Reset();

    ASSERT_EQ(S_OK, Ask<IPersistStorage>(loaded.Get(), IID_IPersistStorage)->Load(storage.Get()));
    EXPECT_EQ(1000, ExtentOf(loaded.Get()).cx);
    EXPECT_EQ(0x00123456u, ColourOf(loaded.Get()));
}

}  // namespace
