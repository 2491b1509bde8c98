#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using Microsoft::WRL::ComPtr;

struct Swatch {
    int id;
    COLORREF colour;
};

class SwatchBitmap : public testing::TestWithParam<Swatch> {};

TEST_P(SwatchBitmap, Is16By16With8BitsPerPixelChieflyOfItsLegendColour) {
    OwnedGdiObject bitmap(
        LoadImageA(Module::Instance(), MAKEINTRESOURCEA(GetParam().id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, bitmap.get());
    DIBSECTION dib{};
    ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectA(bitmap.get(), sizeof dib, &dib));
    EXPECT_EQ(16, dib.dsBm.bmWidth);
    EXPECT_EQ(16, dib.dsBm.bmHeight);
    EXPECT_EQ(8, dib.dsBm.bmBitsPixel);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), dib.dsBmih.biCompression);

    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
    int matching = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) matching += GetPixel(dc.get(), x, y) == GetParam().colour;
    }
    const COLORREF centre = GetPixel(dc.get(), 8, 8);
    SelectObject(dc.get(), previous);
    EXPECT_EQ(GetParam().colour, centre) << std::hex << "centre pixel 0x" << centre;
    EXPECT_GT(matching, 128) << "pixels of the legend colour";
}

INSTANTIATE_TEST_SUITE_P(UsedAndFree, SwatchBitmap,
                         testing::Values(Swatch{IDB_USED_SWATCH, RGB(215, 172, 64)},
                                         Swatch{IDB_FREE_SWATCH, RGB(53, 172, 103)}),
                         [](const testing::TestParamInfo<Swatch>& info) { return std::to_string(info.param.id); });

TEST(DefaultDeviceIcon, LoadsAtItsOwnSizeWithTransparentCorners) {
    OwnedIcon icon(
        static_cast<HICON>(LoadImageA(Module::Instance(), MAKEINTRESOURCEA(IDI_DEFAULT_DEVICE), IMAGE_ICON, 0, 0, 0)));
    ASSERT_NE(nullptr, icon.get());
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    OwnedGdiObject colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(67, bitmap.bmWidth);
    EXPECT_EQ(66, bitmap.bmHeight);

    const COLORREF background = RGB(255, 0, 255);
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), 67, 66, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    OwnedGdiObject canvas(CreateDIBSection(dc.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HGDIOBJ previous = SelectObject(dc.get(), canvas.get());
    RECT all{0, 0, 67, 66};
    OwnedGdiObject brush(CreateSolidBrush(background));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    DrawIconEx(dc.get(), 0, 0, icon.get(), 67, 66, 0, nullptr, DI_NORMAL);
    const COLORREF corner = GetPixel(dc.get(), 0, 0), middle = GetPixel(dc.get(), 33, 33);
    SelectObject(dc.get(), previous);
    EXPECT_EQ(background, corner) << std::hex << "corner 0x" << corner;
    EXPECT_NE(background, middle) << "the player itself is opaque";
}

TEST(ListBackground, DecodesIntoALightPictureOf172By160) {
    std::string gif = ResourceBytes(RES_TYPE_IMAGE, RES_LIST_BACKGROUND);
    ASSERT_FALSE(gif.empty()) << "no " << RES_TYPE_IMAGE << "/" << RES_LIST_BACKGROUND;
    ComPtr<IWICImagingFactory> factory;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)));
    ComPtr<IWICStream> stream;
    ASSERT_EQ(S_OK, factory->CreateStream(&stream));
    ASSERT_EQ(S_OK, stream->InitializeFromMemory(reinterpret_cast<BYTE*>(gif.data()), static_cast<DWORD>(gif.size())));
    ComPtr<IWICBitmapDecoder> decoder;
    ASSERT_EQ(S_OK, factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder));
    ComPtr<IWICBitmapFrameDecode> frame;
    ASSERT_EQ(S_OK, decoder->GetFrame(0, &frame));
    UINT width = 0, height = 0;
    frame->GetSize(&width, &height);
    EXPECT_EQ(172u, width);
    EXPECT_EQ(160u, height);

    ComPtr<IWICFormatConverter> converter;
    ASSERT_EQ(S_OK, factory->CreateFormatConverter(&converter));
    ASSERT_EQ(S_OK, converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                          WICBitmapPaletteTypeCustom));
    std::string pixels(172 * 160 * 4, '\0');
    ASSERT_EQ(S_OK, converter->CopyPixels(nullptr, 172 * 4, static_cast<UINT>(pixels.size()),
                                          reinterpret_cast<BYTE*>(pixels.data())));
    int darkest = 255;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        for (size_t channel = 0; channel < 3; ++channel) {
            darkest = std::min(darkest, static_cast<int>(static_cast<unsigned char>(pixels[i + channel])));
        }
    }
    EXPECT_GE(darkest, 200) << "darkest channel of any pixel";
    EXPECT_LT(darkest, 250) << "the picture shows nothing";
}

}  // namespace
