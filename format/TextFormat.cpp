#include "format/TextFormat.h"

#include <clocale>
#include <cstdio>

namespace {

constexpr std::int64_t kBytesPerKB = 1024;
constexpr std::int64_t kBytesPerMB = 1024 * 1024;

}  // namespace

std::string FormatSize(std::int32_t bytes) {
    char text[260];
    if (bytes > kBytesPerMB) {
        // Tenths of a megabyte in integers: printf's "%.1f" would round an
        // exact half (1.25 MB) to even on some runtimes.
        // The point is the runtime's, as printf would write it; the host may
        // have set a numeric locale, the module never does.
        const std::int64_t tenths = (std::int64_t{bytes} * 10 + kBytesPerMB / 2) / kBytesPerMB;
        const lconv* numeric = std::localeconv();
        const char* point = numeric && numeric->decimal_point && *numeric->decimal_point ? numeric->decimal_point : ".";
        std::snprintf(text, sizeof text, "%lld%s%lld MB", static_cast<long long>(tenths / 10), point,
                      static_cast<long long>(tenths % 10));
    } else if (bytes < kBytesPerKB) {
        std::snprintf(text, sizeof text, "%d Bytes", static_cast<int>(bytes));
    } else {
        std::snprintf(text, sizeof text, "%d KB", static_cast<int>(bytes / kBytesPerKB));
    }
    return text;
}

std::string FormatDuration(std::int32_t seconds) {
    if (seconds == 0) return "0 min";

    // No caller formats a negative duration; one is shown as the text of
    // its magnitude behind a minus sign.
    const char* sign = seconds < 0 ? "-" : "";
    const std::int64_t total = seconds < 0 ? -std::int64_t{seconds} : std::int64_t{seconds};

    const long long hours = total / 3600;
    const long long minutes = (total - hours * 3600) / 60;
    const long long secs = total - (hours * 60 + minutes) * 60;

    char text[260];
    if (hours >= 1)
        std::snprintf(text, sizeof text, "%s%lld h %lld min", sign, hours, minutes);
    else if (minutes >= 1)
        std::snprintf(text, sizeof text, "%s%lld min %lld s", sign, minutes, secs);
    else
        std::snprintf(text, sizeof text, "%s%lld s", sign, secs);
    return text;
}
