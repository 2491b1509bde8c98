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

    // Process attach and detach. Until Init runs (never, in a test program
    // that links the code), the instance is the module containing the code.
    void Init(HINSTANCE instance);
    void Term();

    HINSTANCE Instance() const { return instance_; }
    const GUID& TypeLibId() const { return typeLibId_; }
    DWORD LoadingThreadId() const { return loadingThreadId_; }
    CObjectMap& ObjectMap() { return objectMap_; }

    void Lock();
    void Unlock();
    LONG LockCount() const { return lockCount_; }

    // The cached class object of `clsid` (created on first request), asked for `iid`.
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv);

    // Process-wide state of the menu bar control.
    COLORREF MenuColor() const { return menuColor_; }
    COLORREF MenuTextColor() const { return menuTextColor_; }
    HHOOK CallWndProcHook() const { return callWndProcHook_; }
    void SetCallWndProcHook(HHOOK hook) { callWndProcHook_ = hook; }
    HHOOK KeyboardHook() const { return keyboardHook_; }
    void SetKeyboardHook(HHOOK hook) { keyboardHook_ = hook; }

  private:
    HINSTANCE instance_;
    volatile LONG lockCount_ = 0;
    CriticalSection classObjectLock_;
    CObjectMap objectMap_;
    GUID typeLibId_;
    DWORD loadingThreadId_;
    COLORREF menuColor_;
    COLORREF menuTextColor_;
    HHOOK callWndProcHook_ = nullptr;
    HHOOK keyboardHook_ = nullptr;
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
