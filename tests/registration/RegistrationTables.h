// The keys and values that registration must write, and readers of what it
// did write.
#ifndef KESTREL_TESTS_REGISTRATION_TABLES_H
#define KESTREL_TESTS_REGISTRATION_TABLES_H

#include <windows.h>

#include <map>
#include <string>

#include "support/RegistryKeys.h"

// Key path below HKEY_CLASSES_ROOT -> (value name -> data); the default
// value has the empty name.
using RegistryContents = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

// Both classes' ProgID and class keys for a module at `modulePath`.
RegistryContents ExpectedRegistration(const std::wstring& modulePath);
// The same keys as they are now.
RegistryContents CurrentRegistration();

// Every key that registration writes, type library and interfaces
// included, begins empty and is put back as it was.
void WatchRegistrationKeys(RegistryKeysGuard& guard);

std::wstring BracedGuid(const GUID& guid);

#endif
