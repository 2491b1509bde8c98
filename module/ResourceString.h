// The one place the module loads texts from its string table. The system's
// resource loader picks the language; texts come out in the ANSI code page.
#ifndef KESTREL_RESOURCE_STRING_H
#define KESTREL_RESOURCE_STRING_H

#include <windows.h>

#include <string>

// Copies string `id` into `buffer` of `size` characters, cut to fit and
// always terminated; returns the characters copied. A missing string leaves
// an empty text and returns 0; so does a buffer too small for any character.
int LoadResourceString(UINT id, char* buffer, int size);

// The whole string `id`, however long; empty when missing.
std::string LoadResourceString(UINT id);

#endif
