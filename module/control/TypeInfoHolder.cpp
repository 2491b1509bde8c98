#include "module/control/TypeInfoHolder.h"

#include "module/Module.h"

HRESULT CTypeInfoHolder::LoadModuleLibrary(ITypeLib** library) {
    if (library == nullptr) return E_POINTER;
    *library = nullptr;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(Module::Instance(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return E_FAIL;
    return LoadTypeLibEx(path, REGKIND_NONE, library);
}

HRESULT CTypeInfoHolder::Load() {
    const std::lock_guard<std::mutex> lock(m_loading);
    if (m_info) return S_OK;
    CComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleLibrary(library.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return hr;
    CComPtr<ITypeInfo> info;
    if (FAILED(hr = library->GetTypeInfoOfGuid(m_guid, info.ReleaseAndGetAddressOf()))) return hr;
    CComPtr<ITypeInfo> invokeInfo = info;
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
        const bool dual = attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL);
        info->ReleaseTypeAttr(attributes);
        HREFTYPE vtable = 0;
        CComPtr<ITypeInfo> vtableInfo;
        if (dual && SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable)) &&
            SUCCEEDED(info->GetRefTypeInfo(vtable, vtableInfo.ReleaseAndGetAddressOf())))
            invokeInfo = vtableInfo;
    }
    m_invokeInfo = invokeInfo;
    m_info = info;
    return S_OK;
}

HRESULT CTypeInfoHolder::Get(ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    const HRESULT hr = Load();
    if (FAILED(hr)) return hr;
    *info = m_info.Get();
    (*info)->AddRef();
    return S_OK;
}

HRESULT CTypeInfoHolder::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT CTypeInfoHolder::GetTypeInfo(UINT index, ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return Get(info);
}

HRESULT CTypeInfoHolder::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* dispids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    const HRESULT hr = Load();
    if (FAILED(hr)) return hr;
    return m_invokeInfo->GetIDsOfNames(names, count, dispids);
}

HRESULT CTypeInfoHolder::Invoke(void* object, DISPID dispid, REFIID iid, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    const HRESULT hr = Load();
    if (FAILED(hr)) return hr;
    return m_invokeInfo->Invoke(object, dispid, flags, params, result, exception, argumentError);
}
