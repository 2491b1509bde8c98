#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"
#include "support/PixelCanvas.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using Microsoft::WRL::ComPtr;

// The player drawn over any background shows it at its corners.
TEST(DefaultDeviceIcon, HasTransparentCornersAndAnOpaquePlayer) {
    const auto icon =
        static_cast<HICON>(LoadImageA(Module::Instance(), MAKEINTRESOURCEA(IDI_DEFAULT_DEVICE), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(nullptr, icon);
    const COLORREF background = RGB(255, 0, 255);
    PixelCanvas canvas(67, 66, background);
    DrawIconEx(canvas.dc(), 0, 0, icon, 67, 66, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    EXPECT_EQ(ColorText(background), ColorText(canvas.At(0, 0)));
    EXPECT_NE(ColorText(background), ColorText(canvas.At(33, 33))) << "the player itself is opaque";
}

// Dark list text stays readable over it.
TEST(ListBackground, DecodesIntoALightPicture) {
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

    ComPtr<IWICFormatConverter> converter;
    ASSERT_EQ(S_OK, factory->CreateFormatConverter(&converter));
    ASSERT_EQ(S_OK, converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                          WICBitmapPaletteTypeCustom));
    std::string pixels(size_t{width} * height * 4, '\0');
    ASSERT_EQ(S_OK, converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()),
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
