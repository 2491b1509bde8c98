#include "module/control/ProvideClassInfo.h"

#include "module/control/ControlFrame.h"

CProvideClassInfo::CProvideClassInfo(CControlFrame& frame) : CFramePart(frame), m_class(*frame.Description().clsid) {}

STDMETHODIMP CProvideClassInfo::GetClassInfo(ITypeInfo** info) { return m_class.Get(info); }

STDMETHODIMP CProvideClassInfo::GetGUID(DWORD kind, GUID* guid) {
    if (guid == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_FAIL;
    }
    *guid = *m_frame.Description().defaultSource;
    return S_OK;
}
