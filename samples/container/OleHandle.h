// A window or menu handle as the controls' properties take it: OLE_HANDLE
// is 32 bits wide, which holds these handles in both builds.
#ifndef KESTREL_CONTAINER_OLE_HANDLE_H
#define KESTREL_CONTAINER_OLE_HANDLE_H

#include <windows.h>
#include <olectl.h>

inline OLE_HANDLE OleHandle(const void* handle) { return static_cast<OLE_HANDLE>(reinterpret_cast<UINT_PTR>(handle)); }

#endif
