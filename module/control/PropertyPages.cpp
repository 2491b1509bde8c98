#include "module/control/PropertyPages.h"

STDMETHODIMP CPropertyPages::GetPages(CAUUID* pages) {
    if (pages == nullptr) return E_POINTER;
    pages->cElems = 0;
    pages->pElems = nullptr;
    return S_OK;
}
