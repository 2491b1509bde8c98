// However the user leaves the sample host, and whatever is open at the time
// (a popup menu's loop, a modal dialog, the details window), its window
// closes, both controls are released and the process ends with 0. Under
// Wine the menu bar's call-window hook makes Wine's own About box slow to
// come and go; the host must still end from it.
#include "support/BuildPaths.h"
#include "support/HostProcess.h"
#include "support/KestrelRegistration.h"
#include "support/RealInput.h"
#include "support/TestContainer.h"

#include <gmock/gmock.h>

#include <string>

using testing::HasSubstr;

namespace {

// Generous: the i686 guest is emulated.
constexpr DWORD kStartMs = 180000;
constexpr DWORD kStateMs = 60000;
constexpr DWORD kEndMs = 120000;
// The system menu's "About Wine" command: Wine's own, as the two rows that
// use it are.
constexpr WPARAM kScAboutWine = SC_SCREENSAVE + 1;

bool PopupMenuShown(const CHostProcess& host) { return host.ShownWindow(L"#32768") != nullptr; }

// The first row of the device pane's list, just below its header.
POINT FirstRow(HWND main) {
    const HWND pane = FindWindowExW(main, nullptr, L"Lanthorn DeviceView", nullptr);
    const HWND list = FindWindowExW(pane, nullptr, L"SysListView32", nullptr);
    RECT header{};
    GetWindowRect(FindWindowExW(list, nullptr, L"SysHeader32", nullptr), &header);
    RECT rect{};
    GetWindowRect(list, &rect);
    return POINT{rect.left + 40, header.bottom + 8};
}

// The caption's close button, found as the window itself answers it.
POINT CloseBox(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const LONG y = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (LONG x = rect.right - 1; x > rect.right - 100; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, kStateMs, &hit);
        if (hit == HTCLOSE) return POINT{x - 2, y};
    }
    return POINT{rect.right - 10, y};
}

// A click on the bar's first item, "File".
bool OpenFilePopup(const CHostProcess& host) {
    const HWND bar = FindWindowExW(host.MainWindow(), nullptr, L"Menu Control class", nullptr);
    RECT client{};
    GetClientRect(bar, &client);
    Click(ScreenPoint(bar, 8, client.bottom / 2));
    return PumpUntil([&] { return PopupMenuShown(host); }, kStateMs);
}

void PostClose(const CHostProcess& host) { PostMessageW(host.MainWindow(), WM_CLOSE, 0, 0); }

struct CWayOut {
    const char* szState;
    // Brings the host into the state; false when it did not get there.
    bool (*pfnReach)(const CHostProcess& host);
    void (*pfnLeave)(const CHostProcess& host);
};

const CWayOut kWaysOut[] = {
    {"nothing open, the close box", [](const CHostProcess&) { return true; },
     [](const CHostProcess& host) { Click(CloseBox(host.MainWindow())); }},
    {"the bar's File popup, File > Exit by its mnemonic", OpenFilePopup, [](const CHostProcess&) { PressKey('X'); }},
    {"the bar's File popup, the host closing its window", OpenFilePopup, PostClose},
    {"the pane's context menu, the host closing its window",
     [](const CHostProcess& host) {
         Click(FirstRow(host.MainWindow()), MouseButton::RIGHT);
         return PumpUntil([&] { return PopupMenuShown(host); }, kStateMs);
     },
     PostClose},
    {"the details window, the main window's close box",
     [](const CHostProcess& host) {
         DoubleClick(FirstRow(host.MainWindow()));
         return PumpUntil([&] { return host.ShownWindow(L"Kestrel Sample Details") != nullptr; }, kStateMs);
     },
     [](const CHostProcess& host) { Click(CloseBox(host.MainWindow())); }},
    {"the system menu, Close by its mnemonic",
     [](const CHostProcess& host) {
         PressKeyWith(VK_MENU, VK_SPACE);
         return PumpUntil([&] { return PopupMenuShown(host); }, kStateMs);
     },
     [](const CHostProcess&) { PressKey('C'); }},
    {"minimized, the host closing its window",
     [](const CHostProcess& host) {
         PostMessageW(host.MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
         return PumpUntil([&] { return IsIconic(host.MainWindow()) != FALSE; }, kStateMs);
     },
     PostClose},
    {"Wine's About box, modal over the host, the host closing its window",
     [](const CHostProcess& host) {
         PostMessageW(host.MainWindow(), WM_SYSCOMMAND, kScAboutWine, 0);
         return PumpUntil([&] { return host.ShownWindow(L"#32770") != nullptr; }, kStateMs);
     },
     PostClose},
    // The close arrives while the box is still being made, which under the
    // bar's hook is where the host stalls longest.
    {"Wine's About box being made, the host closing its window",
     [](const CHostProcess& host) { return PostMessageW(host.MainWindow(), WM_SYSCOMMAND, kScAboutWine, 0) != FALSE; },
     PostClose},
};

TEST(SampleHostExit, EndsCleanlyWhateverIsOpenWhenTheUserLeaves) {
    const CKestrelRegistration registration;
    ASSERT_HRESULT_SUCCEEDED(registration.Result());
    for (const CWayOut& way : kWaysOut) {
        SCOPED_TRACE(way.szState);
        CHostProcess host(SampleHostPath());
        bool started = host.Start(kStartMs);
        if (started) {
            SetForegroundWindow(host.MainWindow());
            started = PumpUntil([&] { return GetForegroundWindow() == host.MainWindow() && host.Answers(kStateMs); },
                                kStateMs);
        }
        if (!started || !way.pfnReach(host)) {
            ADD_FAILURE() << (started ? "the state was not reached" : "the host did not come up in front");
            continue;
        }
        way.pfnLeave(host);
        DWORD code = ~0u;
        const bool ended = host.WaitForEnd(kEndMs, &code);
        const std::string log = host.Log();
        EXPECT_TRUE(ended) << log;
        EXPECT_EQ(0u, code) << log;
        EXPECT_THAT(log, HasSubstr("host: controls released\nhost: OLE uninitialised"));
    }
}

}  // namespace
