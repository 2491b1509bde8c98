#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

// The player drawn over any background shows it at its corners.
TEST(DefaultDeviceIcon, HasTransparentCornersAndAnOpaquePlayer) {
    const auto icon =
        static_cast<HICON>(LoadImageA(Module::Instance(), MAKEINTRESOURCEA(IDI_DEFAULT_DEVICE), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(nullptr, icon);
    const COLORREF background = RGB(255, 0, 255);
    CPixelCanvas canvas(67, 66, background);
    DrawIconEx(canvas.dc(), 0, 0, icon, 67, 66, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    EXPECT_EQ(ColorText(background), ColorText(canvas.At(0, 0)));
    EXPECT_NE(ColorText(background), ColorText(canvas.At(33, 33))) << "the player itself is opaque";
}

}  // namespace
