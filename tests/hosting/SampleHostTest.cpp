// The sample host, run as scripts/run.sh runs it: with --screenshots it must
// come up, embed what it can, render its window to one PNG file per scene of
// the device pane and exit.
#include "support/BuildPaths.h"
#include "support/ChildProcess.h"
#include "support/KestrelRegistration.h"

#include <gmock/gmock.h>
#include <wincodec.h>
#include "module/ComPtr.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <utility>
#include <vector>

using testing::HasSubstr;

namespace {

// The sample is built beside the DLL, in samples/; the DLL path may use either separator.
std::wstring SampleHostPath() {
    std::wstring path = KestrelDllPath();
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"samples\\SampleHost.exe";
}

// The scenes' file names, in the order the sample photographs them.
const wchar_t* const kScenes[] = {L"device-view", L"transfer-list-view", L"cdburn-view", L"disconnected"};

// A new empty folder, with a trailing separator.
std::wstring TemporaryFolder() {
    wchar_t folder[MAX_PATH] = L"", file[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"ksh", 0, file);
    DeleteFileW(file);
    CreateDirectoryW(file, nullptr);
    return std::wstring(file) + L"\\";
}

// Runs the sample with `arguments`, collecting its standard output.
ChildRun RunSampleHost(const std::wstring& arguments) {
    return RunChild(L"\"" + SampleHostPath() + L"\" " + arguments);
}

struct Picture {
    UINT width = 0;
    UINT height = 0;
    size_t distinctColours = 0;
    std::vector<UINT> pixels;
};

Picture ReadPng(const std::wstring& path) {
    Picture picture;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.ReleaseAndGetAddressOf()))) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.ReleaseAndGetAddressOf())) ||
        FAILED(decoder->GetFrame(0, frame.ReleaseAndGetAddressOf())) ||
        FAILED(factory->CreateFormatConverter(converter.ReleaseAndGetAddressOf())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&picture.width, &picture.height)))
        return Picture{};
    std::vector<UINT> pixels(static_cast<size_t>(picture.width) * picture.height);
    if (FAILED(converter->CopyPixels(nullptr, picture.width * 4, static_cast<UINT>(pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(pixels.data()))))
        return Picture{};
    std::set<UINT> colours;
    for (UINT& pixel : pixels) colours.insert(pixel &= 0xFFFFFF);
    picture.distinctColours = colours.size();
    picture.pixels = std::move(pixels);
    return picture;
}

// The rows of the device pane, between the menu bar and the log.
std::vector<UINT> PaneRows(const Picture& picture) {
    constexpr size_t kTop = 26, kBottom = 600 - 150 - 4;
    if (picture.pixels.size() < kBottom * picture.width) return {};
    return std::vector<UINT>(picture.pixels.begin() + static_cast<std::ptrdiff_t>(kTop * picture.width),
                             picture.pixels.begin() + static_cast<std::ptrdiff_t>(kBottom * picture.width));
}

class SampleHost : public testing::Test {
  protected:
    void TearDown() override {
        for (const wchar_t* scene : kScenes) DeleteFileW(Png(scene).c_str());
        RemoveDirectoryW(m_strFolder.c_str());
    }
    std::wstring Png(const wchar_t* scene) const { return m_strFolder + scene + L".png"; }
    std::wstring ScreenshotArguments() const {
        return L"--screenshots \"" + m_strFolder.substr(0, m_strFolder.size() - 1) + L"\"";
    }

    std::wstring m_strFolder = TemporaryFolder();
};

TEST_F(SampleHost, EmbedsTheRegisteredControlsByProgIdAndWritesAPictureOfEachPaneScene) {
    KestrelRegistration registration;
    ASSERT_HRESULT_SUCCEEDED(registration.Result());
    const ChildRun run = RunSampleHost(ScreenshotArguments());
    ASSERT_EQ(0u, run.exitCode) << run.output;
    EXPECT_THAT(run.output, HasSubstr("Menu.id: embedded, window class \"Menu Control class\", events connected"));
    EXPECT_THAT(run.output, HasSubstr("Tessaly.DeviceTransfer.1: embedded, window class \"Lanthorn DeviceView\", "
                                      "events connected"));
    EXPECT_THAT(run.output, HasSubstr("host: player connected, programs queued for it"));
    EXPECT_THAT(run.output, HasSubstr("host: player disconnected"));
    for (const wchar_t* scene : kScenes) {
        const std::string name(scene, scene + wcslen(scene));
        EXPECT_THAT(run.output, HasSubstr("screenshot saved: " + std::string(m_strFolder.begin(), m_strFolder.end()) +
                                          name + ".png (960 x 600)"));
        const Picture picture = ReadPng(Png(scene));
        EXPECT_EQ(960u, picture.width) << name;  // the main window's client area
        EXPECT_EQ(600u, picture.height) << name;
        EXPECT_LT(8u, picture.distinctColours) << name << ": a blank capture";
    }

    // Each scene shows the pane differently; only the disconnected one has
    // the red status message over the list.
    std::vector<std::vector<UINT>> panes;
    for (const wchar_t* scene : kScenes) panes.push_back(PaneRows(ReadPng(Png(scene))));
    for (size_t i = 0; i < panes.size(); ++i) {
        ASSERT_FALSE(panes[i].empty()) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_NE(panes[i], panes[j]) << "scenes " << j << " and " << i;
        const auto red = std::count(panes[i].begin(), panes[i].end(), 0xFF0000u);
        if (i + 1 < panes.size())
            EXPECT_EQ(0, red) << "scene " << i;
        else
            EXPECT_LT(500, red) << "the disconnected scene";
    }
}

TEST_F(SampleHost, UnregisteredControlsAreReportedAndTheHostCarriesOn) {
    RegistryKeysGuard guard;
    guard.Watch(HKEY_CLASSES_ROOT, L"Tessaly.DeviceTransfer.1", true);
    guard.Watch(HKEY_CLASSES_ROOT, L"Menu.id", true);
    const ChildRun run = RunSampleHost(L"--exit-after 200");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    EXPECT_THAT(run.output, HasSubstr("Tessaly.DeviceTransfer.1: not registered"));
    EXPECT_THAT(run.output, HasSubstr("Menu.id: not registered"));
}

}  // namespace
