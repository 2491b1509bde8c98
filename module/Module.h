// The module object: one per process, from the DLL's load to its unload.
#ifndef KESTREL_MODULE_H
#define KESTREL_MODULE_H

#include <windows.h>

namespace Module {

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
