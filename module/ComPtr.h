// CComPtr: holds one reference to a COM object and releases it when it goes.
//
//   CComPtr<ITypeLib> library;
//   LoadTypeLib(path, library.ReleaseAndGetAddressOf());
//   CComPtr<IUnknown> unknown;
//   library.As(&unknown);
//
// Written here rather than taken from mingw-w64's <wrl/client.h>, whose
// Attach adds a reference (Microsoft's does not) and whose move assignment
// copies: both leak quietly.
#ifndef KESTREL_COM_PTR_H
#define KESTREL_COM_PTR_H

#include <unknwn.h>

#include <cstddef>
#include <utility>

template <typename T>
class CComPtr {
  public:
    CComPtr() noexcept = default;
    CComPtr(std::nullptr_t) noexcept {}
    // Shares the object: adds a reference of its own.
    CComPtr(T* object) noexcept : m_pObject(object) { AddRefHeld(); }
    CComPtr(const CComPtr& other) noexcept : CComPtr(other.m_pObject) {}
    CComPtr(CComPtr&& other) noexcept : m_pObject(std::exchange(other.m_pObject, nullptr)) {}
    ~CComPtr() { Reset(); }

    CComPtr& operator=(CComPtr other) noexcept {
        std::swap(m_pObject, other.m_pObject);
        return *this;
    }

    T* Get() const noexcept { return m_pObject; }
    T* operator->() const noexcept { return m_pObject; }
    explicit operator bool() const noexcept { return m_pObject != nullptr; }

    // For out parameters: lets go of the current object first.
    T** ReleaseAndGetAddressOf() noexcept {
        Reset();
        return &m_pObject;
    }

    // Takes over a reference the caller owns, without adding one.
    void Attach(T* object) noexcept {
        Reset();
        m_pObject = object;
    }
    // Hands the reference over to the caller.
    T* Detach() noexcept { return std::exchange(m_pObject, nullptr); }

    void Reset() noexcept {
        if (T* object = std::exchange(m_pObject, nullptr)) object->Release();
    }

    // QueryInterface into another CComPtr; `out` is emptied on failure.
    template <typename U>
    HRESULT As(REFIID iid, CComPtr<U>* out) const noexcept {
        if (m_pObject == nullptr) {
            out->Reset();
            return E_POINTER;
        }
        return m_pObject->QueryInterface(iid, reinterpret_cast<void**>(out->ReleaseAndGetAddressOf()));
    }
    template <typename U>
    HRESULT As(CComPtr<U>* out) const noexcept {
        return As(__uuidof(U), out);
    }

  private:
    void AddRefHeld() noexcept {
        if (m_pObject != nullptr) m_pObject->AddRef();
    }

    T* m_pObject = nullptr;
};

#endif
