// The control's ISpecifyPropertyPages: an empty list (neither control has
// property pages of its own).
#ifndef KESTREL_PROPERTY_PAGES_H
#define KESTREL_PROPERTY_PAGES_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"

class PropertyPages final : public FramePart<ISpecifyPropertyPages> {
  public:
    using FramePart::FramePart;

    STDMETHODIMP GetPages(CAUUID* pages) override;
};

#endif
