// CClassObjectSlot: where an object map entry caches its class object. It is
// read without the module's lock (the first of the two tests of the lazy
// creation), so the pointer is atomic; it is filled only under the lock.
#ifndef KESTREL_CLASS_OBJECT_SLOT_H
#define KESTREL_CLASS_OBJECT_SLOT_H

#include <unknwn.h>

#include <atomic>

#include "module/ComPtr.h"

class CClassObjectSlot {
  public:
    CClassObjectSlot() = default;
    CClassObjectSlot(const CClassObjectSlot&) = delete;
    CClassObjectSlot& operator=(const CClassObjectSlot&) = delete;
    ~CClassObjectSlot() { Clear(); }

    IUnknown* Peek() const { return m_pObject.load(std::memory_order_acquire); }
    // Takes over the caller's reference; the slot must be empty.
    void Fill(CComPtr<IUnknown> object) { m_pObject.store(object.Detach(), std::memory_order_release); }
    void Clear() {
        if (IUnknown* object = m_pObject.exchange(nullptr, std::memory_order_acq_rel)) object->Release();
    }

  private:
    std::atomic<IUnknown*> m_pObject{nullptr};
};

#endif
