// CObjectMap: the classes the module serves, in registration order.
#ifndef KESTREL_OBJECT_MAP_H
#define KESTREL_OBJECT_MAP_H

#include <windows.h>

#include <array>

#include "module/ClassFactory.h"
#include "module/ClassObjectSlot.h"

struct CObjectMapEntry {
    const CLSID& clsid;
    WORD registryScript;  // resource number of the class's "REGISTRY" script
    InstanceCreator createInstance;
    CClassObjectSlot classObject;  // empty until the first DllGetClassObject for the class
};

class CObjectMap {
  public:
    CObjectMap();

    // The first entry for `clsid`, or null.
    CObjectMapEntry* Find(REFCLSID clsid);
    void ReleaseClassObjects();

    CObjectMapEntry* begin() { return m_aEntries.data(); }
    CObjectMapEntry* end() { return m_aEntries.data() + m_aEntries.size(); }

  private:
    std::array<CObjectMapEntry, 2> m_aEntries;
};

#endif
