#include "ResourceTestSupport.h"

#include "module/Module.h"

#include <gtest/gtest.h>

LANGID LanguageInForce() {
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
        case LANG_FRENCH:
            return kFrench;
        case LANG_GERMAN:
            return kGerman;
        default:
            return kEnglish;
    }
}

const char* LanguageName(LANGID language) {
    switch (language) {
        case kFrench:
            return "French";
        case kGerman:
            return "German";
        default:
            return "English";
    }
}

std::string Cp1252(const char* utf8) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p != 0;) {
        if (p[0] < 0x80) {
            out += static_cast<char>(*p++);
        } else if ((p[0] & 0xE0) == 0xC0 && (p[1] & 0xC0) == 0x80) {
            const unsigned code = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            if (code < 0xA0) ADD_FAILURE() << "U+" << std::hex << code << " is not a Windows-1252 letter";
            out += static_cast<char>(code);
            p += 2;
        } else if (p[0] == 0xE2 && p[1] == 0x80 && p[2] == 0x93) {
            out += '\x96';  // en dash
            p += 3;
        } else {
            ADD_FAILURE() << "unexpected UTF-8 in \"" << utf8 << "\"";
            return out;
        }
    }
    return out;
}

namespace {

std::string BytesOf(HRSRC found) {
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(Module::Instance(), found);
    const auto* data = static_cast<const char*>(LockResource(loaded));
    if (data == nullptr) return {};
    return std::string(data, SizeofResource(Module::Instance(), found));
}

}  // namespace

std::string ResourceBytes(LPCSTR type, LPCSTR name, LANGID language) {
    return BytesOf(FindResourceExA(Module::Instance(), type, name, language));
}

std::string ResourceBytes(LPCSTR type, LPCSTR name) { return BytesOf(FindResourceA(Module::Instance(), name, type)); }
