// What the resource tests share: the language the loader is expected to
// pick in this run, raw access to one language's copy of a resource, and
// owners for the handles the tests create.
#ifndef KESTREL_TESTS_RES_RESOURCE_TEST_SUPPORT_H
#define KESTREL_TESTS_RES_RESOURCE_TEST_SUPPORT_H

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
constexpr std::array<LANGID, 3> kLanguages = {kEnglish, kFrench, kGerman};

// The module's language for the user interface language of this process;
// English for any other, as the loader falls back to it.
LANGID LanguageInForce();
const char* LanguageName(LANGID language);

// A UTF-8 literal of the test source as Windows-1252 bytes (Latin-1 range
// and the en dash), so that expected texts stay readable.
std::string Cp1252(const char* utf8);

// The bytes of one language's copy of a resource; empty when there is none.
std::string ResourceBytes(LPCSTR type, LPCSTR name, LANGID language);
// The bytes of the copy the system's loader picks.
std::string ResourceBytes(LPCSTR type, LPCSTR name);

template <typename Handle, auto Close>
struct HandleCloser {
    void operator()(Handle handle) const { Close(handle); }
};
template <typename Handle, auto Close>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, Close>>;

using OwnedMenu = Owned<HMENU, &DestroyMenu>;
using OwnedWindow = Owned<HWND, &DestroyWindow>;
using OwnedIcon = Owned<HICON, &DestroyIcon>;
using OwnedGdiObject = Owned<HGDIOBJ, &DeleteObject>;
using OwnedMemoryDc = Owned<HDC, &DeleteDC>;

#endif
