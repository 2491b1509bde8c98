// Controls created as the class objects create them, and the memory streams
// the persistence tests read and write.
#ifndef KESTREL_TESTS_CONTROL_OBJECTS_H
#define KESTREL_TESTS_CONTROL_OBJECTS_H

#include <windows.h>
#include <objidl.h>
#include "module/ComPtr.h"

#include <initializer_list>
#include <utility>
#include <vector>

using ControlCreator = HRESULT (*)(IUnknown* outer, REFIID iid, void** ppv);

CComPtr<IUnknown> NewControl(ControlCreator creator);

template <class I>
CComPtr<I> Ask(IUnknown* control, REFIID iid) {
    CComPtr<I> result;
    control->QueryInterface(iid, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
    return result;
}

CComPtr<IStream> StreamHolding(const std::vector<BYTE>& bytes);
// A stream on a medium that holds `capacity` bytes: a write that does not
// fit writes nothing and fails with STG_E_MEDIUMFULL, as a full disk does.
CComPtr<IStream> StreamFullAfter(ULONG capacity);
std::vector<BYTE> StreamContent(IStream* stream);
ULONGLONG StreamPosition(IStream* stream);

// An expected stream: each value little-endian in its width in bytes.
std::vector<BYTE> LittleEndian(std::initializer_list<std::pair<int, DWORD>> values);

#endif
