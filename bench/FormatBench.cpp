// How the formatters compare with the plainest formatting of the same
// numbers (one snprintf into a std::string): the list formats a size and
// two durations per row whenever it fills, so they must stay cheap.
#include "format/TextFormat.h"

#include "Stopwatch.h"

#include <cstdio>
#include <string>

namespace {

// Values over the whole range of each format, without signed overflow.
std::int32_t Spread(std::int32_t i) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(i) * 10007u) % 2000000000u);
}

std::string Baseline(std::int32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}

}  // namespace

int main() {
    constexpr std::int32_t kCalls = 200000;
    std::size_t sink = 0;  // keeps the results alive

    const double baseline = Seconds([&] {
        for (std::int32_t i = 0; i < kCalls; ++i) sink += Baseline(Spread(i)).size();
    });
    const double size = Seconds([&] {
        for (std::int32_t i = 0; i < kCalls; ++i) sink += FormatSize(Spread(i)).size();
    });
    const double duration = Seconds([&] {
        for (std::int32_t i = 0; i < kCalls; ++i) sink += FormatDuration(Spread(i) / 1000).size();
    });

    std::printf("FormatSize     / snprintf baseline: %.2f\n", size / baseline);
    std::printf("FormatDuration / snprintf baseline: %.2f\n", duration / baseline);
    return sink == 0;
}
