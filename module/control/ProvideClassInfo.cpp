#include "module/control/ProvideClassInfo.h"

#include "module/control/ControlFrame.h"

ProvideClassInfo::ProvideClassInfo(ControlFrame& frame) : FramePart(frame), m_class(*frame.Description().clsid) {}

STDMETHODIMP ProvideClassInfo::GetClassInfo(ITypeInfo** info) { return m_class.Get(info); }

STDMETHODIMP ProvideClassInfo::GetGUID(DWORD kind, GUID* guid) {
    if (guid == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_FAIL;
    }
    *guid = *m_frame.Description().defaultSource;
    return S_OK;
}
