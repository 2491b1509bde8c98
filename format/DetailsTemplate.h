// Filling a details template: which placeholders each template has, what
// goes into each, and the replacement itself. Windows-free, standard
// headers only, so that it can be sanitized and fuzzed on its own.
#ifndef KESTREL_DETAILS_TEMPLATE_H
#define KESTREL_DETAILS_TEMPLATE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The two documents: the segment on the device (programs that can be cut)
// and the plain file information.
enum class DetailsKind { SEGMENT_DETAILS, FILE_INFORMATION };

// What a document shows of one program, as plain (unescaped) texts and
// figures. Times are seconds, the size bytes.
struct CDetailsFields {
    std::string strTitle;
    std::string strDevice;
    std::string strCodec;
    std::int32_t TotalTime = 0;
    std::int32_t TimeOnDevice = 0;
    std::int32_t SizeOnDevice = 0;
    std::int32_t ProgramStart = 0;
    std::int32_t PlayBackPos = 0;
};

// The text with &, <, >, and " written as character references: titles come
// from media files, and the host renders the document.
std::string EscapeHtml(std::string_view text);

// Replaces the first `placeholder` at or after `position` by `value` and
// moves `position` past the inserted value. False, with nothing changed,
// when there is none or the placeholder is empty.
bool ReplacePlaceholder(std::string& text, std::string_view placeholder, std::string_view value, std::size_t& position);

// Replaces every occurrence; each search resumes after the value just
// inserted, so a value that holds the placeholder is not expanded again.
// Returns the number replaced.
int ReplaceEveryPlaceholder(std::string& text, std::string_view placeholder, std::string_view value);

// The placeholders of `kind` in the order they are replaced, each with its
// value as inserted (formatted and escaped).
std::vector<std::pair<std::string_view, std::string>> DetailsValues(DetailsKind kind, const CDetailsFields& fields);

// The template with its placeholders filled in that order: a later
// placeholder is also found inside the values inserted before it.
std::string FillDetailsTemplate(std::string text, DetailsKind kind, const CDetailsFields& fields);

#endif
