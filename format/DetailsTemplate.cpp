#include "format/DetailsTemplate.h"

#include <limits>

#include "format/TextFormat.h"

namespace {

// The last heard position counted from the start of the whole program; a
// record with absurd figures saturates rather than overflows.
std::int32_t AbsolutePosition(std::int32_t start, std::int32_t position) {
    const std::int64_t sum = std::int64_t{start} + position;
    if (sum > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool ReplacePlaceholder(std::string& text, std::string_view placeholder, std::string_view value,
                        std::size_t& position) {
    if (placeholder.empty() || position > text.size()) return false;
    const std::size_t found = text.find(placeholder, position);
    if (found == std::string::npos) return false;
    text.replace(found, placeholder.size(), value);
    position = found + value.size();
    return true;
}

int ReplaceEveryPlaceholder(std::string& text, std::string_view placeholder, std::string_view value) {
    int count = 0;
    for (std::size_t position = 0; ReplacePlaceholder(text, placeholder, value, position);) ++count;
    return count;
}

std::vector<std::pair<std::string_view, std::string>> DetailsValues(DetailsKind kind, const CDetailsFields& fields) {
    std::vector<std::pair<std::string_view, std::string>> values{
        {"%TITLE%", EscapeHtml(fields.strTitle)},
        {"%TIME%", EscapeHtml(FormatDuration(fields.TotalTime))},
        {"%DEVICE%", EscapeHtml(fields.strDevice)},
    };
    if (kind == DetailsKind::SEGMENT_DETAILS) {
        values.emplace_back("%SEGMENT_LENGTH%", EscapeHtml(FormatDuration(fields.TimeOnDevice)));
        values.emplace_back("%SEGMENT_START%", EscapeHtml(FormatDuration(fields.ProgramStart)));
        values.emplace_back("%POSITION%",
                            EscapeHtml(FormatDuration(AbsolutePosition(fields.ProgramStart, fields.PlayBackPos))));
    } else {
        values.emplace_back("%SIZE%", EscapeHtml(FormatSize(fields.SizeOnDevice)));
        values.emplace_back("%FORMAT%", EscapeHtml(fields.strCodec));
    }
    return values;
}

std::string FillDetailsTemplate(std::string text, DetailsKind kind, const CDetailsFields& fields) {
    for (const auto& [placeholder, value] : DetailsValues(kind, fields))
        ReplaceEveryPlaceholder(text, placeholder, value);
    return text;
}
