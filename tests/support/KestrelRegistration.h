// CKestrelRegistration: the built Kestrel.dll (KESTREL_DLL) registered as
// regsvr32 registers it, through its own DllRegisterServer, for the
// lifetime of the object. Every registry key that registration writes is
// put back as it was afterwards, so a test run leaves the prefix clean.
#ifndef KESTREL_TESTS_KESTREL_REGISTRATION_H
#define KESTREL_TESTS_KESTREL_REGISTRATION_H

#include <windows.h>

#include <string>

#include "support/KestrelDll.h"
#include "support/RegistryKeys.h"

// Both classes' ProgIDs, versioned and not.
extern const wchar_t* const kKestrelProgIds[4];
std::wstring BracedGuid(const GUID& guid);
// Every key that registration writes, type library and interfaces
// included, begins empty and is put back as it was.
void WatchRegistrationKeys(CRegistryKeysGuard& guard);

class CKestrelRegistration {
  public:
    CKestrelRegistration();
    CKestrelRegistration(const CKestrelRegistration&) = delete;
    CKestrelRegistration& operator=(const CKestrelRegistration&) = delete;

    // What DllRegisterServer returned; the load failure when the DLL could
    // not be loaded or has no such export.
    HRESULT Result() const { return m_hrResult; }

  private:
    CRegistryKeysGuard m_registry;
    CKestrelDll m_dll;
    HRESULT m_hrResult = E_FAIL;
};

#endif
