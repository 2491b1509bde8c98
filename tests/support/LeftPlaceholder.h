#ifndef KESTREL_TESTS_LEFT_PLACEHOLDER_H
#define KESTREL_TESTS_LEFT_PLACEHOLDER_H

#include <cctype>
#include <string>

// The first "%NAME%" (capitals and underscores) left in `html`, or empty.
inline std::string LeftPlaceholder(const std::string& html) {
    for (size_t at = html.find('%'); at != std::string::npos; at = html.find('%', at + 1)) {
        size_t end = at + 1;
        while (end < html.size() && (std::isupper(static_cast<unsigned char>(html[end])) || html[end] == '_')) ++end;
        if (end > at + 1 && end < html.size() && html[end] == '%') return html.substr(at, end - at + 1);
    }
    return {};
}

#endif
