// The sample host, run as scripts/run.sh runs it: with --screenshots it must
// come up, embed what it can, render its window to one PNG file per scene of
// the device pane and exit. What each scene shows is the device pane
// suite's (the log below the pane differs between pictures in any case);
// here each picture must hold something.
#include "support/BuildPaths.h"
#include "support/ChildProcess.h"
#include "support/KestrelRegistration.h"

#include <gmock/gmock.h>

#include <fstream>
#include <string>

using testing::HasSubstr;

namespace {

CChildRun RunSampleHost(const std::wstring& arguments) {
    return RunChild(L"\"" + SampleHostPath() + L"\" " + arguments);
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

class SampleHost : public testing::Test {
  protected:
    void TearDown() override {
        for (const wchar_t* scene : kScenes) DeleteFileW(Png(scene).c_str());
        RemoveDirectoryW(m_strFolder.c_str());
    }
    std::wstring Png(const wchar_t* scene) const { return m_strFolder + scene + L".png"; }

    std::wstring m_strFolder = TemporaryFolder();
};

TEST_F(SampleHost, EmbedsTheRegisteredControlsByProgIdAndWritesAPictureOfEachPaneScene) {
    CKestrelRegistration registration;
    ASSERT_HRESULT_SUCCEEDED(registration.Result());
    const CChildRun run = RunSampleHost(L"--screenshots \"" + m_strFolder.substr(0, m_strFolder.size() - 1) + L"\"");
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
        // A blank 960 x 600 capture compresses to a few kilobytes, a pane to tens.
        std::ifstream png(Png(scene).c_str(), std::ios::binary | std::ios::ate);
        EXPECT_LT(10000, std::streamoff(png.tellg())) << name << ": a blank capture";
    }
}

TEST_F(SampleHost, UnregisteredControlsAreReportedAndTheHostCarriesOn) {
    CRegistryKeysGuard guard;
    guard.Watch(HKEY_CLASSES_ROOT, L"Tessaly.DeviceTransfer.1", true);
    guard.Watch(HKEY_CLASSES_ROOT, L"Menu.id", true);
    const CChildRun run = RunSampleHost(L"--exit-after 200");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    EXPECT_THAT(run.output, HasSubstr("Tessaly.DeviceTransfer.1: not registered"));
    EXPECT_THAT(run.output, HasSubstr("Menu.id: not registered"));
}

}  // namespace
