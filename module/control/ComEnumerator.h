// CComEnumerator: an IEnumXxx over a snapshot of items that each carry one
// interface pointer (IConnectionPoint*, CONNECTDATA). The enumerator holds a
// reference on every item's interface until it goes, and each item it hands
// out carries a new reference for the caller.
#ifndef KESTREL_COM_ENUMERATOR_H
#define KESTREL_COM_ENUMERATOR_H

#include <windows.h>
#include <ocidl.h>

#include <new>
#include <vector>

inline IUnknown* EnumeratedInterface(IConnectionPoint* point) { return point; }
inline IUnknown* EnumeratedInterface(const CONNECTDATA& connection) { return connection.pUnk; }

template <class Enum, class Item>
class CComEnumerator final : public Enum {
  public:
    static HRESULT Create(const std::vector<Item>& items, std::size_t position, Enum** result) {
        if (result == nullptr) return E_POINTER;
        *result = nullptr;
        auto* enumerator = new (std::nothrow) CComEnumerator;
        if (enumerator == nullptr) return E_OUTOFMEMORY;
        try {
            enumerator->m_items = items;
        } catch (const std::bad_alloc&) {
            delete enumerator;
            return E_OUTOFMEMORY;
        }
        for (const Item& item : enumerator->m_items) EnumeratedInterface(item)->AddRef();
        enumerator->m_position = position;
        enumerator->AddRef();
        *result = enumerator;
        return S_OK;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, __uuidof(Enum))) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<Enum*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0) delete this;
        return refs;
    }

    STDMETHODIMP Next(ULONG count, Item* items, ULONG* fetched) override {
        if (items == nullptr || (fetched == nullptr && count != 1)) return E_POINTER;
        ULONG given = 0;
        for (; given < count && m_position < m_items.size(); ++given, ++m_position) {
            items[given] = m_items[m_position];
            EnumeratedInterface(items[given])->AddRef();
        }
        if (fetched != nullptr) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const std::size_t left = m_items.size() - m_position;
        if (count > left) {
            m_position = m_items.size();
            return S_FALSE;
        }
        m_position += count;
        return S_OK;
    }
    STDMETHODIMP Reset() override {
        m_position = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Enum** result) override { return Create(m_items, m_position, result); }

  private:
    CComEnumerator() = default;
    ~CComEnumerator() {
        for (const Item& item : m_items) EnumeratedInterface(item)->Release();
    }

    LONG m_refs = 0;
    std::vector<Item> m_items;
    std::size_t m_position = 0;
};

#endif
