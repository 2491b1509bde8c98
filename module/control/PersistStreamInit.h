// The control's IPersistStreamInit (and IPersist): the entries of its
// property table in the layout of PropertyStream.h, and the dirty flag.
// A load reads every entry before it changes anything, so a stream that
// is truncated or malformed leaves the control as it was.
#ifndef KESTREL_PERSIST_STREAM_INIT_H
#define KESTREL_PERSIST_STREAM_INIT_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

struct CPersistedState;

class CPersistStreamInit final : public CFramePart<IPersistStreamInit> {
  public:
    using CFramePart::CFramePart;

    // IPersist
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    // IPersistStreamInit
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;

  private:
    // The control's current values of its table's entries.
    HRESULT Collect(CPersistedState& state);
    HRESULT Apply(const CPersistedState& state);
};

#endif
