// The sample host's command line.
#ifndef KESTREL_SAMPLES_HOST_OPTIONS_H
#define KESTREL_SAMPLES_HOST_OPTIONS_H

#include <string>
#include <vector>

struct CHostOptions {
    std::wstring screenshotFolder;  // --screenshots <folder>: one picture per pane scene there, then exit
    unsigned exitAfterMs = 0;       // --exit-after <ms>: close after that long; 0 = stay open
    std::wstring error;             // not empty: the arguments were not understood
};

// `args` without the program name.
CHostOptions ParseHostOptions(const std::vector<std::wstring>& args);

extern const wchar_t kHostUsage[];

#endif
