// The module object: one per process, from the DLL's load to its unload.
#ifndef KESTREL_MODULE_H
#define KESTREL_MODULE_H

#include <windows.h>

#include "module/CriticalSection.h"
#include "module/ObjectMap.h"

class CModule {
  public:
    // Reads the menu colours: they are taken once, at load, and never refreshed.
    CModule();
    ~CModule();
    CModule(const CModule&) = delete;
    CModule& operator=(const CModule&) = delete;

    // What the DLL's entry point does. Attach: Init, then thread
    // notifications off; detach: the cached class objects are released.
    // Always TRUE, also when Init failed: a host that cannot load the DLL
    // cannot even report why.
    BOOL OnEntryPoint(HINSTANCE instance, DWORD reason) noexcept;

    // Process attach and detach. Until Init runs (never, in a test program
    // that links the code), the instance is the module containing the code.
    // A null instance is refused (E_INVALIDARG) and the old one kept.
    HRESULT Init(HINSTANCE instance);
    void Term();

    HINSTANCE Instance() const { return m_hInstance; }
    const GUID& TypeLibId() const { return m_guidTypeLib; }
    DWORD LoadingThreadId() const { return m_dwLoadingThreadId; }
    CObjectMap& ObjectMap() { return m_objectMap; }

    void Lock();
    void Unlock();
    LONG LockCount() const { return m_cLocks; }

    // The cached class object of `clsid` (created on first request), asked for `iid`.
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv);

    // Process-wide state of the menu bar control.
    COLORREF MenuColor() const { return m_clrMenu; }
    COLORREF MenuTextColor() const { return m_clrMenuText; }
    HHOOK CallWndProcHook() const { return m_hCallWndProcHook; }
    void SetCallWndProcHook(HHOOK hook) { m_hCallWndProcHook = hook; }
    HHOOK KeyboardHook() const { return m_hKeyboardHook; }
    void SetKeyboardHook(HHOOK hook) { m_hKeyboardHook = hook; }

  private:
    HINSTANCE m_hInstance;
    volatile LONG m_cLocks = 0;
    CCriticalSection m_csClassObjects;
    CObjectMap m_objectMap;
    GUID m_guidTypeLib;
    DWORD m_dwLoadingThreadId;
    COLORREF m_clrMenu;
    COLORREF m_clrMenuText;
    HHOOK m_hCallWndProcHook = nullptr;
    HHOOK m_hKeyboardHook = nullptr;
};

namespace Module {

CModule& Object();

// The module from which every resource is loaded: the DLL in the product,
// the test program when the same code is linked into one.
HINSTANCE Instance();

// The lock count that DllCanUnloadNow consults. Each live control, each
// outside reference to a class object and each LockServer(TRUE) holds one.
void Lock();
void Unlock();
LONG LockCount();

}  // namespace Module

#endif
