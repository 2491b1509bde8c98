// A small host of both Kestrel controls, doing what Lanthorn does: it
// creates them by ProgID from the registered Kestrel.dll, embeds them as
// OLE controls in one window and logs every event they fire.
//
//   SampleHost [--screenshot <file.png>] [--exit-after <milliseconds>]
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "HostOptions.h"
#include "MainWindow.h"

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

class OleSession {
  public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    HRESULT Result() const { return result_; }

  private:
    HRESULT result_;
};

}  // namespace

int main() {
    const HostOptions options = ParseHostOptions(Arguments());
    if (!options.error.empty()) {
        std::fwprintf(stderr, L"%ls\n%ls\n", options.error.c_str(), kHostUsage);
        return 2;
    }
    const OleSession ole;
    if (FAILED(ole.Result())) {
        std::fwprintf(stderr, L"OleInitialize failed: 0x%08lX\n", static_cast<unsigned long>(ole.Result()));
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow window(options);
    if (!window.Create()) {
        std::fwprintf(stderr, L"The main window could not be created: error %lu\n", GetLastError());
        return 1;
    }
    return window.Run();
}
