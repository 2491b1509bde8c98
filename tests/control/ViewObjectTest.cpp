#include "control/ControlObjects.h"

#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "support/PixelCanvas.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBarColour = RGB(10, 120, 200);

CComPtr<IUnknown> BarColoured(COLORREF colour) {
    CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    Ask<IMenuCtrl>(bar.Get(), IID_IMenuCtrl)->put_BackColor(colour);
    return bar;
}

HRESULT DrawInto(IUnknown* control, HDC dc, const RECTL* bounds) {
    return Ask<IViewObject>(control, IID_IViewObject)
        ->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, bounds, nullptr, nullptr, 0);
}

TEST(ViewDrawing, DrawPaintsWithinTheBoundsInTheContainersLogicalUnits) {
    const CComPtr<IUnknown> bar = BarColoured(kBarColour);
    CPixelCanvas canvas(100, 100);
    const RECTL bounds{10, 10, 50, 40};
    ASSERT_EQ(S_OK, DrawInto(bar.Get(), canvas.dc(), &bounds));
    EXPECT_EQ(kBarColour, canvas.At(10, 10));
    EXPECT_EQ(kBarColour, canvas.At(49, 39));
    EXPECT_EQ(kWhite, canvas.At(50, 40));
    EXPECT_EQ(kWhite, canvas.At(9, 9));

    CPixelCanvas shifted(100, 100);
    SetViewportOrgEx(shifted.dc(), 30, 30, nullptr);
    const RECTL logical{0, 0, 20, 20};
    ASSERT_EQ(S_OK, DrawInto(bar.Get(), shifted.dc(), &logical));
    POINT origin{};
    GetViewportOrgEx(shifted.dc(), &origin);
    EXPECT_EQ(30, origin.x) << "the container's drawing context was not restored";
    SetViewportOrgEx(shifted.dc(), 0, 0, nullptr);
    EXPECT_EQ(kBarColour, shifted.At(35, 35));
    EXPECT_EQ(kWhite, shifted.At(25, 25));
}

TEST(ViewDrawing, DataObjectGivesTheControlsPictureAsAMetafile) {
    const CComPtr<IUnknown> bar = BarColoured(kBarColour);
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

    CPixelCanvas canvas(100, 100);
    SetMapMode(canvas.dc(), MM_ANISOTROPIC);
    SetViewportExtEx(canvas.dc(), 100, 100, nullptr);
    PlayMetaFile(canvas.dc(), picture->hMF);
    GlobalUnlock(medium.hMetaFilePict);
    ReleaseStgMedium(&medium);
    SetMapMode(canvas.dc(), MM_TEXT);
    EXPECT_EQ(kBarColour, canvas.At(50, 50));
}

// Active, the window repaints, and paints through the Draw operation.
TEST(ViewChanges, PropertyChangeTellsTheViewSinkWhenInactiveAndRepaintsTheWindowWhenActive) {
    CTestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateMenuCtrl));
    const CComPtr<IMenuCtrl> bar = Ask<IMenuCtrl>(container.Control(), IID_IMenuCtrl);
    const int before = container.Site().ViewChanges();
    bar->put_BackColor(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, container.Site().ViewChanges());

    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    CTestContainer::ProcessMessages();
    const HWND window = container.ControlWindow();
    ASSERT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    bar->put_BackColor(kBarColour);
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
    CPixelCanvas canvas(100, 100);
    SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(kBarColour, canvas.At(5, 5));
}

}  // namespace
