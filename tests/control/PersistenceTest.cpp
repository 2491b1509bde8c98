// The persisted state of both controls: stream layout, "Contents" storage,
// refused and damaged streams, and the dirty flag.
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
    const ComPtr<IStream> stream = StreamHolding({});
    EXPECT_HRESULT_SUCCEEDED(Ask<IPersistStreamInit>(control, IID_IPersistStreamInit)->Save(stream.Get(), TRUE));
    return StreamContent(stream.Get());
}

HRESULT Load(IUnknown* control, const std::vector<BYTE>& bytes) {
    const ComPtr<IStream> stream = StreamHolding(bytes);
    return Ask<IPersistStreamInit>(control, IID_IPersistStreamInit)->Load(stream.Get());
}

OLE_COLOR BackColorOf(IUnknown* bar) {
    OLE_COLOR color = 0;
    Ask<IMenuCtrl>(bar, IID_IMenuCtrl)->get_BackColor(&color);
    return color;
}

OLE_COLOR ForeColorOf(IUnknown* bar) {
    OLE_COLOR color = 0;
    Ask<IMenuCtrl>(bar, IID_IMenuCtrl)->get_ForeColor(&color);
    return color;
}

// The stream of a bar with extent 1000 x 500 and the given colours.
std::vector<BYTE> MenuStream(DWORD version, OLE_COLOR back, OLE_COLOR fore) {
    std::vector<BYTE> bytes;
    PutDword(bytes, version);
    PutDword(bytes, 1000);
    PutDword(bytes, 500);
    PutWord(bytes, VT_UI4);
    PutDword(bytes, back);
    PutWord(bytes, VT_UI4);
    PutDword(bytes, fore);
    return bytes;
}

TEST(ControlPersistence, FreshPaneSavesVersionAndExtentInTwelveBytes) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const SIZEL extent = ExtentOf(pane.Get());
    std::vector<BYTE> expected;
    PutDword(expected, 0x710);
    PutDword(expected, static_cast<DWORD>(extent.cx));
    PutDword(expected, static_cast<DWORD>(extent.cy));

    EXPECT_EQ(expected, Saved(pane.Get()));
}

TEST(ControlPersistence, MenuSavesItsColoursAsVariantsAfterTheExtent) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    SetExtentOf(bar.Get(), 1000, 500);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(0x00123456);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_ForeColor(0x00654321);

    EXPECT_EQ(MenuStream(0x710, 0x00123456, 0x00654321), Saved(bar.Get()));
}

TEST(ControlPersistence, MenuLoadsExtentAndColoursFromItsStream) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    ASSERT_EQ(S_OK, Load(bar.Get(), MenuStream(0x710, 0x00ABCDEF, 0x00010203)));

    EXPECT_EQ(1000, ExtentOf(bar.Get()).cx);
    EXPECT_EQ(500, ExtentOf(bar.Get()).cy);
    EXPECT_EQ(0x00ABCDEFu, BackColorOf(bar.Get()));
    EXPECT_EQ(0x00010203u, ForeColorOf(bar.Get()));
}

TEST(ControlPersistence, LoadReadsExactlyTheLayoutAndNoFurther) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    std::vector<BYTE> bytes;
    PutDword(bytes, 0x710);
    PutDword(bytes, 300);
    PutDword(bytes, 200);
    PutDword(bytes, 0xCAFE);  // the container's own data follows
    const ComPtr<IStream> stream = StreamHolding(bytes);

    ASSERT_EQ(S_OK, Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit)->Load(stream.Get()));
    EXPECT_EQ(12u, StreamPosition(stream.Get()));
    EXPECT_EQ(300, ExtentOf(pane.Get()).cx);
    EXPECT_EQ(200, ExtentOf(pane.Get()).cy);
}

TEST(ControlPersistence, LaterVersionIsRefusedAndChangesNothing) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const SIZEL extent = ExtentOf(bar.Get());
    const OLE_COLOR back = BackColorOf(bar.Get());

    EXPECT_EQ(E_FAIL, Load(bar.Get(), MenuStream(0x711, 0x00ABCDEF, 0x00010203)));
    EXPECT_EQ(extent.cx, ExtentOf(bar.Get()).cx);
    EXPECT_EQ(back, BackColorOf(bar.Get()));
}

TEST(ControlPersistence, TruncatedStreamFailsAndLeavesTheControlAsItWas) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const SIZEL extent = ExtentOf(bar.Get());
    const OLE_COLOR back = BackColorOf(bar.Get());
    std::vector<BYTE> bytes = MenuStream(0x710, 0x00ABCDEF, 0x00010203);
    bytes.resize(bytes.size() - 2);  // the end of ForeColor is missing

    EXPECT_EQ(E_FAIL, Load(bar.Get(), bytes));
    EXPECT_EQ(extent.cx, ExtentOf(bar.Get()).cx);
    EXPECT_EQ(extent.cy, ExtentOf(bar.Get()).cy);
    EXPECT_EQ(back, BackColorOf(bar.Get()));
}

TEST(ControlPersistence, VariantTypeWithoutStreamFormIsRefused) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const OLE_COLOR back = BackColorOf(bar.Get());
    std::vector<BYTE> bytes;
    PutDword(bytes, 0x710);
    PutDword(bytes, 1000);
    PutDword(bytes, 500);
    PutWord(bytes, VT_BSTR);
    PutDword(bytes, 0x00ABCDEF);

    EXPECT_EQ(E_FAIL, Load(bar.Get(), bytes));
    EXPECT_EQ(back, BackColorOf(bar.Get()));
}

TEST(ControlPersistence, SaveToNoStreamIsAnInvalidArgument) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    EXPECT_EQ(E_INVALIDARG, Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit)->Save(nullptr, TRUE));
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
        const ComPtr<IUnknown> control = NewControl(c.creator);
        const ComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(control.Get(), IID_IPersistStreamInit);
        ASSERT_EQ(S_OK, persist->InitNew());
        const ComPtr<IStream> stream = StreamFullAfter(c.capacity);
        EXPECT_EQ(c.expected, persist->Save(stream.Get(), TRUE)) << "capacity " << c.capacity;
        EXPECT_EQ(c.expected == S_OK ? S_FALSE : S_OK, persist->IsDirty()) << "capacity " << c.capacity;
    }
}

TEST(ControlPersistence, SizeMaxIsTheSizeOfTheLayout) {
    ULARGE_INTEGER size{};
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    ASSERT_EQ(S_OK, Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit)->GetSizeMax(&size));
    EXPECT_EQ(12u, size.QuadPart);
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    ASSERT_EQ(S_OK, Ask<IPersistStreamInit>(bar.Get(), IID_IPersistStreamInit)->GetSizeMax(&size));
    EXPECT_EQ(24u, size.QuadPart);
}

class StoragePersistence : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes_.ReleaseAndGetAddressOf()));
        ASSERT_HRESULT_SUCCEEDED(StgCreateDocfileOnILockBytes(
            bytes_.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage_.ReleaseAndGetAddressOf()));
    }

    std::vector<BYTE> Contents() {
        ComPtr<IStream> stream;
        EXPECT_HRESULT_SUCCEEDED(storage_->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                                      stream.ReleaseAndGetAddressOf()));
        return stream ? StreamContent(stream.Get()) : std::vector<BYTE>();
    }

    ComPtr<ILockBytes> bytes_;
    ComPtr<IStorage> storage_;
};

TEST_F(StoragePersistence, SaveWritesTheStreamLayoutIntoContents) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    SetExtentOf(bar.Get(), 1000, 500);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(0x00123456);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_ForeColor(0x00654321);

    ASSERT_EQ(S_OK, Ask<IPersistStorage>(bar.Get(), IID_IPersistStorage)->Save(storage_.Get(), TRUE));
    EXPECT_EQ(MenuStream(0x710, 0x00123456, 0x00654321), Contents());
}

TEST_F(StoragePersistence, SaveReplacesAnExistingContentsStream) {
    ComPtr<IStream> old;
    ASSERT_HRESULT_SUCCEEDED(storage_->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                                    old.ReleaseAndGetAddressOf()));
    const char junk[40] = "an older and longer content than ours";
    old->Write(junk, sizeof junk, nullptr);
    old.Reset();
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);

    ASSERT_EQ(S_OK, Ask<IPersistStorage>(pane.Get(), IID_IPersistStorage)->Save(storage_.Get(), TRUE));
    EXPECT_EQ(Saved(pane.Get()), Contents());
}

TEST_F(StoragePersistence, LoadReadsContentsAsTheStreamLoadDoes) {
    const ComPtr<IUnknown> saved = NewControl(CreateMenuCtrl);
    SetExtentOf(saved.Get(), 777, 333);
    Ask<IMenuCtrl>(saved.Get(), IID_IMenuCtrl)->put_BackColor(0x00445566);
    ASSERT_EQ(S_OK, Ask<IPersistStorage>(saved.Get(), IID_IPersistStorage)->Save(storage_.Get(), TRUE));

    const ComPtr<IUnknown> loaded = NewControl(CreateMenuCtrl);
    ASSERT_EQ(S_OK, Ask<IPersistStorage>(loaded.Get(), IID_IPersistStorage)->Load(storage_.Get()));
    EXPECT_EQ(777, ExtentOf(loaded.Get()).cx);
    EXPECT_EQ(0x00445566u, BackColorOf(loaded.Get()));
}

TEST_F(StoragePersistence, LoadWithoutContentsFailsAndChangesNothing) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const SIZEL extent = ExtentOf(pane.Get());
    EXPECT_EQ(STG_E_FILENOTFOUND, Ask<IPersistStorage>(pane.Get(), IID_IPersistStorage)->Load(storage_.Get()));
    EXPECT_EQ(extent.cx, ExtentOf(pane.Get()).cx);
}

TEST(DirtyFlag, InitNewSetsItAndASuccessfulLoadClearsIt) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const ComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit);
    ASSERT_EQ(S_OK, persist->InitNew());
    EXPECT_EQ(S_OK, persist->IsDirty());

    std::vector<BYTE> bytes;
    PutDword(bytes, 0x710);
    PutDword(bytes, 10);
    PutDword(bytes, 20);
    ASSERT_EQ(S_OK, Load(pane.Get(), bytes));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    EXPECT_EQ(S_FALSE, Ask<IPersistStorage>(pane.Get(), IID_IPersistStorage)->IsDirty());
}

TEST(DirtyFlag, FailedLoadKeepsIt) {
    const ComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const ComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(pane.Get(), IID_IPersistStreamInit);
    persist->InitNew();
    std::vector<BYTE> bytes;
    PutDword(bytes, 0x711);
    EXPECT_EQ(E_FAIL, Load(pane.Get(), bytes));
    EXPECT_EQ(S_OK, persist->IsDirty());
}

TEST(DirtyFlag, PropertyAndExtentChangesSetItAndSavingClearsIt) {
    const ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const ComPtr<IPersistStreamInit> persist = Ask<IPersistStreamInit>(bar.Get(), IID_IPersistStreamInit);
    ASSERT_EQ(S_OK, Load(bar.Get(), MenuStream(0x710, 1, 2)));

    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(0x00FF0000);
    EXPECT_EQ(S_OK, persist->IsDirty());
    Saved(bar.Get());
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    SetExtentOf(bar.Get(), 4000, 600);
    EXPECT_EQ(S_OK, persist->IsDirty());
}

}  // namespace
