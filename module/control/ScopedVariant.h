// CScopedVariant: one VARIANT that the holder owns; its content (a BSTR, an
// interface) is cleared when the holder goes or receives a new value.
#ifndef KESTREL_SCOPED_VARIANT_H
#define KESTREL_SCOPED_VARIANT_H

#include <windows.h>
#include <oleauto.h>

class CScopedVariant {
  public:
    // Empty, and with a zero value: a caller may read the value of an
    // out parameter that nobody filled.
    CScopedVariant() : m_value{} {}  // all zero: VT_EMPTY
    ~CScopedVariant() { Clear(); }
    CScopedVariant(const CScopedVariant&) = delete;
    CScopedVariant& operator=(const CScopedVariant&) = delete;
    // A VARIANT moves by its bits: the source is left empty.
    CScopedVariant(CScopedVariant&& other) noexcept : m_value(other.m_value) { VariantInit(&other.m_value); }
    CScopedVariant& operator=(CScopedVariant&& other) noexcept {
        if (this != &other) {
            Clear();
            m_value = other.m_value;
            VariantInit(&other.m_value);
        }
        return *this;
    }

    VARIANT& Get() { return m_value; }
    const VARIANT& Get() const { return m_value; }
    // For an out parameter: the old content is cleared first.
    VARIANT* Receive() {
        Clear();
        return &m_value;
    }

  private:
    // An empty value has nothing to release: events fire with an empty
    // result mostly, and this spares them two calls into the system.
    void Clear() {
        if (V_VT(&m_value) != VT_EMPTY) VariantClear(&m_value);
    }

    VARIANT m_value;
};

#endif
