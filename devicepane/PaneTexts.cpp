#include "devicepane/PaneTexts.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "format/TextFormat.h"

namespace PaneTexts {

namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

std::string Cut(std::string text, std::size_t capacity) {
    if (capacity == 0) return std::string();
    if (text.size() > capacity - 1) text.resize(capacity - 1);
    return text;
}

}  // namespace

std::string Fill(const std::string& tmpl, std::initializer_list<std::string> arguments, std::size_t capacity) {
    std::string text;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] != '%') {
            text += tmpl[i];
            continue;
        }
        if (tmpl.compare(i, 2, "%%") == 0) {
            text += '%';
            i += 1;
        } else if (tmpl.compare(i, 2, "%s") == 0 || tmpl.compare(i, 4, "%.1f") == 0) {
            if (next != arguments.end()) text += *next++;
            i += tmpl[i + 1] == 's' ? 1 : 3;
        } else {
            text += '%';
        }
        if (capacity != 0 && text.size() >= capacity) break;
    }
    return Cut(std::move(text), capacity);
}

std::string OneDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string ArrayText(const char* array, std::size_t length) {
    if (array == nullptr) return std::string();
    const void* end = std::memchr(array, '\0', length);
    return std::string(array, end ? static_cast<const char*>(end) - array : length);
}

CStatusMessage ChooseStatusMessage(const char* given, int connectionStatus, int isAnimate,
                                   const std::string& deviceName, const CStatusTemplates& templates) {
    if (given != nullptr) return {given, kStatusRed};
    if (isAnimate != 0) return {Fill(templates.reading, {deviceName}, kStatusCapacity), kStatusGreen};
    if (deviceName == templates.noDevice) return {std::string(), kStatusRed};
    if (connectionStatus != 0)
        return {Fill(templates.connected, {deviceName, deviceName}, kStatusCapacity), kStatusRed};
    return {Fill(templates.notConnected, {deviceName}, kStatusCapacity), kStatusRed};
}

CMemoryLines MegabyteLines(std::int64_t used, std::int64_t total, const std::string& usedTemplate,
                           const std::string& freeTemplate, const std::string& totalTemplate) {
    auto megabytes = [](std::int64_t bytes) { return OneDecimal(static_cast<double>(bytes) / kBytesPerMegabyte); };
    return {Fill(usedTemplate, {megabytes(used)}, kMemoryCapacity),
            Fill(freeTemplate, {megabytes(total - used)}, kMemoryCapacity),
            Fill(totalTemplate, {megabytes(total)}, kMemoryCapacity)};
}

std::int32_t CdSeconds(std::int64_t bytes) {
    const double seconds = std::trunc(static_cast<double>(bytes) * (1.0 / kCdBytesPerSecond));
    // Beyond 32 bits the conversion would be undefined; no CD gets there.
    if (seconds > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (seconds < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(seconds);
}

CMemoryLines CdUsageLines(std::int64_t used, std::int64_t total, const std::string& usedPrefix,
                          const std::string& freePrefix, const std::string& totalPrefix) {
    auto line = [](const std::string& prefix, std::int64_t bytes) {
        return Cut(prefix + FormatDuration(CdSeconds(bytes)), kMemoryCapacity);
    };
    return {line(usedPrefix, used), line(freePrefix, total - used), line(totalPrefix, total)};
}

double UsedFraction(std::int64_t used, std::int64_t total) {
    return total == 0 ? 0.0 : static_cast<double>(used) / static_cast<double>(total);
}

std::string AddedTimeCell(std::int32_t timeOnDevice) {
    return timeOnDevice == 0 ? std::string() : FormatDuration(timeOnDevice);
}

std::string UpdatedTimeCell(std::int32_t timeOnDevice) { return FormatDuration(timeOnDevice); }

std::string CdCountCell(std::int32_t totalTime, std::int64_t capacity) {
    if (capacity == 0) return std::string();
    const std::int64_t cds = std::int64_t{totalTime} * kCdBytesPerSecond / capacity + 1;
    return std::to_string(cds);
}

std::string MegabyteCell(std::int32_t bytes, const std::string& sizeTemplate) {
    return Fill(sizeTemplate, {OneDecimal(static_cast<double>(bytes) / kBytesPerMegabyte)}, kMemoryCapacity);
}

std::string SegmentTip(const std::string& tmpl, const std::string& deviceName, std::int32_t start,
                       std::int32_t timeOnDevice, std::int32_t playBackPos, bool resizable) {
    if (timeOnDevice == 0 || !resizable) return std::string();
    // Wrapping sums: the record is the host's and may hold anything.
    auto sum = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
    };
    return Fill(tmpl,
                {deviceName, FormatDuration(start), FormatDuration(sum(start, timeOnDevice)),
                 FormatDuration(sum(start, playBackPos))},
                kTooltipCapacity);
}

}  // namespace PaneTexts
