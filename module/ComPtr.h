// ComPtr: holds one reference to a COM object and releases it when it goes.
//
//   ComPtr<ITypeLib> library;
//   LoadTypeLib(path, library.ReleaseAndGetAddressOf());
//   ComPtr<IUnknown> unknown;
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
class ComPtr {
  public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Shares the object: adds a reference of its own.
    ComPtr(T* object) noexcept : object_(object) { AddRefHeld(); }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }

    T* Get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // For out parameters: lets go of the current object first.
    T** ReleaseAndGetAddressOf() noexcept {
        Reset();
        return &object_;
    }

    // Takes over a reference the caller owns, without adding one.
    void Attach(T* object) noexcept {
        Reset();
        object_ = object;
    }
    // Hands the reference over to the caller.
    T* Detach() noexcept { return std::exchange(object_, nullptr); }

    void Reset() noexcept {
        if (T* object = std::exchange(object_, nullptr)) object->Release();
    }

    // QueryInterface into another ComPtr; `out` is emptied on failure.
    template <typename U>
    HRESULT As(REFIID iid, ComPtr<U>* out) const noexcept {
        if (object_ == nullptr) {
            out->Reset();
            return E_POINTER;
        }
        return object_->QueryInterface(iid, reinterpret_cast<void**>(out->ReleaseAndGetAddressOf()));
    }
    template <typename U>
    HRESULT As(ComPtr<U>* out) const noexcept {
        return As(__uuidof(U), out);
    }

  private:
    void AddRefHeld() noexcept {
        if (object_ != nullptr) object_->AddRef();
    }

    T* object_ = nullptr;
};

#endif
