#include "HostOptions.h"

#include <cwchar>

const wchar_t kHostUsage[] = L"usage: SampleHost [--screenshots <folder>] [--exit-after <milliseconds>]";

namespace {

bool ParseMilliseconds(const std::wstring& text, unsigned* value) {
    if (text.empty() || text.size() > 9) return false;
    unsigned result = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        result = result * 10 + static_cast<unsigned>(c - L'0');
    }
    *value = result;
    return true;
}

}  // namespace

CHostOptions ParseHostOptions(const std::vector<std::wstring>& args) {
    CHostOptions options;
    for (size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        const std::wstring& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == L"--screenshots" && hasValue && !args[i + 1].empty()) {
            options.screenshotFolder = args[++i];
        } else if (arg == L"--exit-after" && hasValue) {
            if (!ParseMilliseconds(args[++i], &options.exitAfterMs))
                options.error = L"--exit-after wants a number of milliseconds, not \"" + args[i] + L"\"";
        } else {
            options.error = L"unknown or incomplete argument \"" + arg + L"\"";
        }
    }
    return options;
}
