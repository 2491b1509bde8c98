// CObjectMap: the classes the module serves, in registration order.
#ifndef KESTREL_OBJECT_MAP_H
#define KESTREL_OBJECT_MAP_H

#include <windows.h>

#include <array>

#include "module/ClassFactory.h"
#include "module/ClassObjectSlot.h"

struct ObjectMapEntry {
    const CLSID& clsid;
    WORD registryScript;  // resource number of the class's "REGISTRY" script
    InstanceCreator createInstance;
    ClassObjectSlot classObject;  // empty until the first DllGetClassObject for the class
};

class CObjectMap {
  public:
    CObjectMap();

    // The first entry for `clsid`, or null.
    ObjectMapEntry* Find(REFCLSID clsid);
    void ReleaseClassObjects();

    ObjectMapEntry* begin() { return entries_.data(); }
    ObjectMapEntry* end() { return entries_.data() + entries_.size(); }

  private:
    std::array<ObjectMapEntry, 2> entries_;
};

#endif
