#include "ResourceTestSupport.h"

#include "module/Module.h"

LANGID LanguageInForce() {
    const WORD primary = PRIMARYLANGID(GetUserDefaultUILanguage());
    return primary == LANG_FRENCH ? kFrench : primary == LANG_GERMAN ? kGerman : kEnglish;
}

const char* LanguageName(LANGID language) {
    return language == kFrench ? "French" : language == kGerman ? "German" : "English";
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
