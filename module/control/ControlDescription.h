// What one control declares to the shared control frame: its class, the
// interfaces it answers beyond the frame's own parts, its connection points,
// its persisted entries and its window class. The two controls differ in
// this data, not in code.
#ifndef KESTREL_CONTROL_DESCRIPTION_H
#define KESTREL_CONTROL_DESCRIPTION_H

#include <windows.h>
#include <unknwn.h>

#include <cstddef>

#include "module/control/PropertyTable.h"

class CControlFrame;

// One interface answered by QueryInterface: its identifier and where the
// control keeps it.
struct CInterfaceEntry {
    const IID* iid;
    IUnknown* (*find)(CControlFrame& frame);
};

struct CControlDescription {
    const CLSID* clsid;
    const wchar_t* userType;  // used when the registry has no user type
    bool aggregatable;
    // Beyond the parts every control has (the frame answers those); the
    // first entry is the object's identity.
    CTable<CInterfaceEntry> interfaces;
    // In the order that EnumConnectionPoints returns them.
    CTable<const IID*> connectionPoints;
    const IID* defaultSource;  // IProvideClassInfo2::GetGUID
    // In stream order.
    CTable<CPersistedProperty> properties;
    const char* windowClass;
    UINT windowClassStyle;
};

#endif
