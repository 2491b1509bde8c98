// A details template, as a damaged or translated resource could hold it,
// filled with the texts and figures of a program as a device could report
// them; and one placeholder with one value replaced in arbitrary text.
//
// Input (FuzzedDataProvider): from the end, the kind (one byte), the five
// figures (four bytes each, little-endian, offset by 2^31) and a search
// position (two bytes); from the start, six texts, each ended by a
// backslash and another character ("\\" stands for one backslash): the
// template, title, device, codec, placeholder and value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/DetailsTemplate.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// Every occurrence replaced, the search going on in the original text after
// each one: what the filler must give if it never searches inside a value
// it inserted.
std::string ReplacedInOriginal(std::string_view text, std::string_view placeholder, std::string_view value,
                               int& count) {
    count = 0;
    if (placeholder.empty()) return std::string(text);
    std::string replaced;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(placeholder, from)) != std::string_view::npos;
         from = at + placeholder.size()) {
        replaced.append(text.substr(from, at - from)).append(value);
        ++count;
    }
    return replaced.append(text.substr(from));
}

// An ampersand that starts none of the four references EscapeHtml writes.
std::size_t BareAmpersands(std::string_view text) {
    std::size_t bare = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') continue;
        const std::string_view rest = text.substr(i + 1);
        if (rest.substr(0, 4) != "amp;" && rest.substr(0, 3) != "lt;" && rest.substr(0, 3) != "gt;" &&
            rest.substr(0, 5) != "quot;")
            ++bare;
    }
    return bare;
}

std::string Unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        char c = text[i];
        if (c == '&') {
            const std::string_view rest = text.substr(i);
            for (const auto& [reference, character] :
                 {std::pair<std::string_view, char>{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}})
                if (rest.substr(0, reference.size()) == reference) {
                    length = reference.size();
                    c = character;
                }
        }
        plain += c;
        i += length;
    }
    return plain;
}

void CheckValues(DetailsKind kind, const CDetailsFields& fields) {
    const auto values = DetailsValues(kind, fields);
    const bool segment = kind == DetailsKind::SEGMENT_DETAILS;
    Require(values.size() == (segment ? 6u : 5u));
    for (const auto& [placeholder, value] : values) {
        // Every markup character of a value is written as a reference.
        for (const char c : value) Require(c != '<' && c != '>' && c != '"');
        Require(BareAmpersands(value) == 0);
        const std::string plain = Unescaped(value);
        if (placeholder == "%TITLE%") Require(plain == fields.strTitle);
        if (placeholder == "%DEVICE%") Require(plain == fields.strDevice);
        if (placeholder == "%FORMAT%") Require(!segment && plain == fields.strCodec);
        if (placeholder == "%SIZE%") Require(!segment);
        if (placeholder == "%SEGMENT_LENGTH%" || placeholder == "%SEGMENT_START%" || placeholder == "%POSITION%")
            Require(segment);
    }
}

void CheckFill(const std::string& text, DetailsKind kind, const CDetailsFields& fields) {
    const std::string filled = FillDetailsTemplate(text, kind, fields);
    std::string expected = text;
    for (const auto& [placeholder, value] : DetailsValues(kind, fields)) {
        int count = 0;
        expected = ReplacedInOriginal(expected, placeholder, value, count);
    }
    // With the values checked above, markup in the document is the
    // template's own, never a value's.
    Require(filled == expected);
}

void CheckReplace(const std::string& text, const std::string& placeholder, const std::string& value,
                  std::size_t position) {
    std::string once = text;
    std::size_t next = position;
    const bool replaced = ReplacePlaceholder(once, placeholder, value, next);
    const std::size_t at =
        placeholder.empty() || position > text.size() ? std::string::npos : text.find(placeholder, position);
    if (at == std::string::npos) {
        Require(!replaced && once == text && next == position);
    } else {
        Require(replaced && next == at + value.size() && next <= once.size());
        Require(once == text.substr(0, at) + value + text.substr(at + placeholder.size()));
    }

    std::string every = text;
    int expectedCount = 0;
    const std::string expected = ReplacedInOriginal(text, placeholder, value, expectedCount);
    Require(ReplaceEveryPlaceholder(every, placeholder, value) == expectedCount && every == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const DetailsKind kind = input.ConsumeBool() ? DetailsKind::FILE_INFORMATION : DetailsKind::SEGMENT_DETAILS;
    CDetailsFields fields;
    fields.TotalTime = input.ConsumeIntegral<std::int32_t>();
    fields.TimeOnDevice = input.ConsumeIntegral<std::int32_t>();
    fields.SizeOnDevice = input.ConsumeIntegral<std::int32_t>();
    fields.ProgramStart = input.ConsumeIntegral<std::int32_t>();
    fields.PlayBackPos = input.ConsumeIntegral<std::int32_t>();
    const std::size_t position = input.ConsumeIntegral<std::uint16_t>();
    const std::string text = input.ConsumeRandomLengthString();
    fields.strTitle = input.ConsumeRandomLengthString();
    fields.strDevice = input.ConsumeRandomLengthString();
    fields.strCodec = input.ConsumeRandomLengthString();
    const std::string placeholder = input.ConsumeRandomLengthString();
    const std::string value = input.ConsumeRandomLengthString();

    CheckValues(kind, fields);
    CheckFill(text, kind, fields);
    CheckReplace(text, placeholder, value, position);
    return 0;
}
