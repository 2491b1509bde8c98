// The control's ISpecifyPropertyPages: an empty list (neither control has
// property pages of its own).
#ifndef KESTREL_PROPERTY_PAGES_H
#define KESTREL_PROPERTY_PAGES_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class CPropertyPages final : public CFramePart<ISpecifyPropertyPages> {
  public:
    using CFramePart::CFramePart;

    STDMETHODIMP GetPages(CAUUID* pages) override;
};

#endif
