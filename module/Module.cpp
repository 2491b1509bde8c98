#include "module/Module.h"

namespace {

LONG g_lockCount = 0;

HINSTANCE ModuleContainingThisCode() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleContainingThisCode), &module);
    return module;
}

}  // namespace

namespace Module {

HINSTANCE Instance() {
    static const HINSTANCE instance = ModuleContainingThisCode();
    return instance;
}

void Lock() { InterlockedIncrement(&g_lockCount); }
void Unlock() { InterlockedDecrement(&g_lockCount); }
LONG LockCount() { return g_lockCount; }

}  // namespace Module
