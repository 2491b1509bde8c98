#ifndef KESTREL_TESTS_RES_RESOURCE_TEST_SUPPORT_H
#define KESTREL_TESTS_RES_RESOURCE_TEST_SUPPORT_H

#include <windows.h>

#include <array>
#include <string>

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
constexpr std::array<LANGID, 3> kLanguages = {kEnglish, kFrench, kGerman};

// The module's language for the user interface language of this process;
// English for any other, as the loader falls back to it.
LANGID LanguageInForce();
const char* LanguageName(LANGID language);

// The bytes of one language's copy of a resource; empty when there is none.
std::string ResourceBytes(LPCSTR type, LPCSTR name, LANGID language);
// The bytes of the copy the system's loader picks.
std::string ResourceBytes(LPCSTR type, LPCSTR name);

#endif
