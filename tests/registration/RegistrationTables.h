// Readers of what registration wrote, and the guard of every key it writes.
#ifndef KESTREL_TESTS_REGISTRATION_TABLES_H
#define KESTREL_TESTS_REGISTRATION_TABLES_H

#include <windows.h>

#include <map>
#include <string>

#include "support/RegistryKeys.h"

// Key path below HKEY_CLASSES_ROOT -> (value name -> data); the default
// value has the empty name.
using RegistryContents = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

// Both classes' ProgID and class keys as they are now.
RegistryContents CurrentRegistration();
// The module path registered for a class.
std::wstring ServerPath(const CLSID& clsid);

// Every key that registration writes, type library and interfaces
// included, begins empty and is put back as it was.
void WatchRegistrationKeys(RegistryKeysGuard& guard);

std::wstring BracedGuid(const GUID& guid);

#endif
