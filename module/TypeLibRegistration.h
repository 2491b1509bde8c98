// Registration of the type library that the module carries as TYPELIB 1.
#ifndef KESTREL_TYPE_LIB_REGISTRATION_H
#define KESTREL_TYPE_LIB_REGISTRATION_H

#include <windows.h>

#include <string>

// The path with its extension replaced by ".tlb" (added if it has none):
// where the library is looked for when the module itself yields none.
std::wstring TypeLibFallbackPath(const std::wstring& modulePath);
// The path cut after its last '\', '/' or ':'.
std::wstring HelpDirectoryOf(const std::wstring& modulePath);

HRESULT RegisterTypeLibOfModule(const std::wstring& modulePath);
// Unregisters the identity (LIBID, version, locale, system) that the module's library declares.
HRESULT UnregisterTypeLibOfModule(const std::wstring& modulePath);

#endif
