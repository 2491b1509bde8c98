// Drawing the controls through their view object into a container's
// drawing context (a memory bitmap, a metafile), and redrawing on change.
#include "control/ControlObjects.h"

#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBarColour = RGB(10, 120, 200);

// A 100 x 100 white memory bitmap selected into a memory DC.
class MemoryCanvas {
  public:
    MemoryCanvas() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 100, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const DWORD*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, 100, 100};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~MemoryCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    // In device pixels, whatever mapping the test gave the DC.
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const DWORD pixel = bits_[y * 100 + x];  // 0x00RRGGBB
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    const DWORD* bits_ = nullptr;
    HGDIOBJ old_;
};

ComPtr<IUnknown> BarColoured(COLORREF colour) {
    ComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(colour);
    return bar;
}

HRESULT DrawInto(IUnknown* control, HDC dc, const RECTL* bounds) {
    return Ask<IViewObject>(control, IID_IViewObject)
        ->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, bounds, nullptr, nullptr, 0);
}

TEST(ViewDrawing, DrawPaintsTheControlWithinTheBoundsOfAMemoryDC) {
    const ComPtr<IUnknown> bar = BarColoured(kBarColour);
    MemoryCanvas canvas;
    const RECTL bounds{10, 10, 50, 40};

    ASSERT_EQ(S_OK, DrawInto(bar.Get(), canvas.dc(), &bounds));
    EXPECT_EQ(kBarColour, canvas.Pixel(10, 10));
    EXPECT_EQ(kBarColour, canvas.Pixel(49, 39));
    EXPECT_EQ(kWhite, canvas.Pixel(50, 40));
    EXPECT_EQ(kWhite, canvas.Pixel(9, 9));
}

TEST(ViewDrawing, BoundsAreInTheContainersLogicalUnits) {
    const ComPtr<IUnknown> bar = BarColoured(kBarColour);
    MemoryCanvas canvas;
    SetViewportOrgEx(canvas.dc(), 30, 30, nullptr);
    const RECTL bounds{0, 0, 20, 20};

    ASSERT_EQ(S_OK, DrawInto(bar.Get(), canvas.dc(), &bounds));
    EXPECT_EQ(kBarColour, canvas.Pixel(35, 35));
    EXPECT_EQ(kWhite, canvas.Pixel(25, 25));
    POINT origin{};
    GetViewportOrgEx(canvas.dc(), &origin);
    EXPECT_EQ(30, origin.x) << "the container's drawing context was not restored";
}

TEST(ViewDrawing, DrawWithoutBoundsOrContextIsRefused) {
    const ComPtr<IUnknown> bar = BarColoured(kBarColour);
    MemoryCanvas canvas;
    const RECTL bounds{0, 0, 10, 10};
    EXPECT_EQ(E_INVALIDARG, DrawInto(bar.Get(), canvas.dc(), nullptr));
    EXPECT_EQ(E_INVALIDARG, DrawInto(bar.Get(), nullptr, &bounds));
}

TEST(ViewDrawing, DataObjectGivesTheControlsPictureAsAMetafile) {
    const ComPtr<IUnknown> bar = BarColoured(kBarColour);
    SIZEL extent{1000, 500};
    Ask<IOleObject>(bar.Get(), IID_IOleObject)->SetExtent(DVASPECT_CONTENT, &extent);
    FORMATETC format{CF_METAFILEPICT, nullptr, DVASPECT_CONTENT, -1, TYMED_MFPICT};
    STGMEDIUM medium{};

    ASSERT_EQ(S_OK, Ask<IDataObject>(bar.Get(), IID_IDataObject)->GetData(&format, &medium));
    ASSERT_EQ(static_cast<DWORD>(TYMED_MFPICT), medium.tymed);
    const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(medium.hMetaFilePict));
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(MM_ANISOTROPIC, picture->mm);
    EXPECT_EQ(1000, picture->xExt);
    EXPECT_EQ(500, picture->yExt);

    MemoryCanvas canvas;
    SetMapMode(canvas.dc(), MM_ANISOTROPIC);
    SetViewportExtEx(canvas.dc(), 100, 100, nullptr);
    PlayMetaFile(canvas.dc(), picture->hMF);
    GlobalUnlock(medium.hMetaFilePict);
    ReleaseStgMedium(&medium);
    EXPECT_EQ(kBarColour, canvas.Pixel(50, 50));
}

TEST(ViewChanges, PropertyChangeOfAnInactiveControlTellsTheViewSink) {
    TestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateMenuCtrl));
    const int before = container.Site().ViewChanges();
    Ask<IMenuCtrl>(container.Control(), IID_IMenuCtrl)->put_BackColor(kBarColour);
    EXPECT_EQ(before + 1, container.Site().ViewChanges());
}

TEST(ViewChanges, PropertyChangeOfAnActiveControlRepaintsItsWindow) {
    TestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateMenuCtrl));
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    TestContainer::ProcessMessages();
    const HWND window = container.ControlWindow();
    ASSERT_FALSE(GetUpdateRect(window, nullptr, FALSE));

    Ask<IMenuCtrl>(container.Control(), IID_IMenuCtrl)->put_BackColor(kBarColour);
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
}

TEST(ViewChanges, WindowPaintsThroughTheDrawOperation) {
    TestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateMenuCtrl));
    Ask<IMenuCtrl>(container.Control(), IID_IMenuCtrl)->put_BackColor(kBarColour);
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    MemoryCanvas canvas;

    SendMessageA(container.ControlWindow(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(kBarColour, canvas.Pixel(5, 5));
}

}  // namespace
