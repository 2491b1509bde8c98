// A small host of both Kestrel controls, doing what Lanthorn does: it
// creates them by ProgID from the registered Kestrel.dll, embeds them as
// OLE controls in one window, shows the device pane with a demonstration
// library (PaneDemo) and logs every event they fire.
//
//   SampleHost [--screenshots <folder>] [--exit-after <milliseconds>]
//
// With --screenshots it saves one picture per scene of the pane (each
// display mode with the player connected, then disconnected) and exits.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostOptions.h"
#include "MainWindow.h"
#include "container/OleSession.h"

namespace {

std::vector<std::wstring> Arguments() {
    std::vector<std::wstring> args;
    int count = 0;
    if (LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
        LocalFree(list);
    }
    return args;
}

}  // namespace

int main() {
    const CHostOptions options = ParseHostOptions(Arguments());
    if (!options.error.empty()) {
        std::fwprintf(stderr, L"%ls\n%ls\n", options.error.c_str(), kHostUsage);
        return 2;
    }
    // Runs once OLE is uninitialised, before the DLLs are let go.
    std::atexit([] {
        std::fputws(L"host: OLE uninitialised\n", stdout);
        std::fflush(stdout);
    });
    const COleSession ole;
    if (FAILED(ole.Result())) {
        std::fwprintf(stderr, L"OleInitialize failed: 0x%08lX\n", static_cast<unsigned long>(ole.Result()));
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    int result = 1;
    {
        CMainWindow window(options);
        if (!window.Create()) {
            std::fwprintf(stderr, L"The main window could not be created: error %lu\n", GetLastError());
            return 1;
        }
        result = window.Run();
        // The steps of the way out, so that a host that does not end shows
        // where it stopped.
        std::fputws(L"host: window closed\n", stdout);
        std::fflush(stdout);
    }
    std::fputws(L"host: controls released\n", stdout);
    std::fflush(stdout);
    return result;
}
