// The control's IPersistStorage: the same content as the stream, kept in a
// stream named "Contents" of the container's storage.
#ifndef KESTREL_PERSIST_STORAGE_H
#define KESTREL_PERSIST_STORAGE_H

#include <windows.h>
#include <objidl.h>

#include "module/control/FramePart.h"

class CPersistStorage final : public CFramePart<IPersistStorage> {
  public:
    using CFramePart::CFramePart;

    // IPersist
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    // IPersistStorage
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;
};

#endif
