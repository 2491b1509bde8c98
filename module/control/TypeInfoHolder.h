// CTypeInfoHolder: the type information of one entry of the module's own
// type library, loaded on first use, and the IDispatch members that a
// dual interface serves from it. The library is resource TYPELIB 1 of the
// module (in tests, of the test program that links the resources).
#ifndef KESTREL_TYPE_INFO_HOLDER_H
#define KESTREL_TYPE_INFO_HOLDER_H

#include <windows.h>
#include <oaidl.h>

#include <mutex>

#include "module/ComPtr.h"

class CTypeInfoHolder {
  public:
    explicit CTypeInfoHolder(const GUID& guid) : m_guid(guid) {}
    CTypeInfoHolder(const CTypeInfoHolder&) = delete;
    CTypeInfoHolder& operator=(const CTypeInfoHolder&) = delete;

    // The module's type library, opened by the module's own file path.
    static HRESULT LoadModuleLibrary(ITypeLib** library);

    // The entry as the library describes it (for a dual interface, its
    // dispatch description).
    HRESULT Get(ITypeInfo** info);

    // IDispatch members for `object`, a pointer to the interface the entry
    // describes.
    HRESULT GetTypeInfoCount(UINT* count);
    HRESULT GetTypeInfo(UINT index, ITypeInfo** info);
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* dispids);
    HRESULT Invoke(void* object, DISPID dispid, REFIID iid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError);

  private:
    HRESULT Load();

    const GUID m_guid;
    std::mutex m_loading;
    CComPtr<ITypeInfo> m_info;
    // The vtable description of a dual interface, which ITypeInfo::Invoke
    // needs to call the interface's methods directly.
    CComPtr<ITypeInfo> m_invokeInfo;
};

#endif
