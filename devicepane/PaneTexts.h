// The texts the device pane composes: string-table templates filled with
// names and numbers, the status message, the memory (or CD usage) lines and
// the cells of the program list. Free of windows; the caller loads the
// templates. Every text is cut to the buffer it is shown from, so a long
// device name overflows nothing.
#ifndef KESTREL_PANE_TEXTS_H
#define KESTREL_PANE_TEXTS_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace PaneTexts {

// Buffers the texts are shown from, terminator included.
constexpr std::size_t kStatusCapacity = 512;
constexpr std::size_t kMemoryCapacity = 260;
constexpr std::size_t kTooltipCapacity = 1040;

constexpr std::uint32_t kStatusRed = 0x0000FF;
constexpr std::uint32_t kStatusGreen = 0x008000;

// CD audio: 44,100 samples a second, two channels of two bytes.
constexpr std::int64_t kCdBytesPerSecond = 176400;

// A template's "%s" and "%.1f" each take the next argument in turn ("%%" is
// a percent sign, any other sequence is copied); a missing argument is
// empty. The result is cut to capacity - 1 characters. The templates come
// from the module's own string table, but are never handed to printf: a
// translation with a stray conversion cannot read beyond the arguments.
std::string Fill(const std::string& tmpl, std::initializer_list<std::string> arguments, std::size_t capacity);
// "%.1f" of a number, for Fill.
std::string OneDecimal(double value);
// The text of a character array that may lack its terminator: up to the
// first NUL or the array's end, never beyond.
std::string ArrayText(const char* array, std::size_t length);
template <std::size_t N>
std::string ArrayText(const char (&array)[N]) {
    return ArrayText(array, N);
}

// ------------------------------------------------------------ status
struct CStatusTemplates {
    std::string noDevice;      // 114
    std::string connected;     // 115
    std::string notConnected;  // 116
    std::string reading;       // 117
};

struct CStatusMessage {
    std::string text;
    std::uint32_t colour;
};

// The message over the list: the given text (may be null) in red; or, built
// from the device name, "reading" in green, nothing for the "No Device"
// name, "connected" or "not connected" in red.
CStatusMessage ChooseStatusMessage(const char* given, int connectionStatus, int isAnimate,
                                   const std::string& deviceName, const CStatusTemplates& templates);

// ------------------------------------------------------------ memory
struct CMemoryLines {
    std::string used;
    std::string free;
    std::string total;
};

// Templates 118, 128, 129 filled with megabytes (bytes × 2^-20).
CMemoryLines MegabyteLines(std::int64_t used, std::int64_t total, const std::string& usedTemplate,
                           const std::string& freeTemplate, const std::string& totalTemplate);
// Prefixes 125, 126, 127 followed by the duration of that much CD audio.
CMemoryLines CdUsageLines(std::int64_t used, std::int64_t total, const std::string& usedPrefix,
                          const std::string& freePrefix, const std::string& totalPrefix);
// Whole seconds of CD audio in a byte count, truncated toward zero, held
// within 32 bits (the duration formatter's range).
std::int32_t CdSeconds(std::int64_t bytes);
// used ÷ total, or 0 when the total is 0.
double UsedFraction(std::int64_t used, std::int64_t total);

// ------------------------------------------------------------ list cells
// Playing time as AddProgram writes it: empty for no segment.
std::string AddedTimeCell(std::int32_t timeOnDevice);
// Playing time as UpdateProgram writes it: "0 min" for no segment.
std::string UpdatedTimeCell(std::int32_t timeOnDevice);
// The CDs a title needs on CDs of `capacity` bytes: a title that fills its
// CDs exactly counts one more. Empty while the capacity is unknown (0).
std::string CdCountCell(std::int32_t totalTime, std::int64_t capacity);
// Template 130 with the size in megabytes, whatever the size.
std::string MegabyteCell(std::int32_t bytes, const std::string& sizeTemplate);

// The segment tooltip: template 103 or 104 with the device name and the
// segment's start, end and playback position. Empty for a program without
// a segment or that cannot be cut.
std::string SegmentTip(const std::string& tmpl, const std::string& deviceName, std::int32_t start,
                       std::int32_t timeOnDevice, std::int32_t playBackPos, bool resizable);

}  // namespace PaneTexts

#endif
