// The control's IProvideClassInfo2: its class as the module's type library
// describes it, and the identity of its default event dispinterface.
#ifndef KESTREL_PROVIDE_CLASS_INFO_H
#define KESTREL_PROVIDE_CLASS_INFO_H

#include <windows.h>
#include <ocidl.h>

#include "module/control/FramePart.h"
#include "module/control/TypeInfoHolder.h"

class CProvideClassInfo final : public CFramePart<IProvideClassInfo2> {
  public:
    explicit CProvideClassInfo(CControlFrame& frame);

    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

  private:
    CTypeInfoHolder m_class;
};

#endif
