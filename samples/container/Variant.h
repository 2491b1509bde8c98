// Variant: one VARIANT that owns its content (a BSTR is freed, an interface
// released when it goes), so recorded arguments outlive the caller's copy.
#ifndef KESTREL_CONTAINER_VARIANT_H
#define KESTREL_CONTAINER_VARIANT_H

#include <windows.h>
#include <oleauto.h>

#include <string>

class Variant {
  public:
    Variant() { VariantInit(&m_varValue); }
    // Deep copy (VariantCopy); a by-reference VARIANT keeps its reference.
    explicit Variant(const VARIANT& value);
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant other) noexcept;
    ~Variant() { VariantClear(&m_varValue); }

    static Variant Bool(bool value);
    static Variant Int32(LONG value);
    static Variant String(const wchar_t* text);
    // Takes over the reference it is given.
    static Variant Dispatch(IDispatch* object);

    const VARIANT& get() const { return m_varValue; }
    VARTYPE type() const { return V_VT(&m_varValue); }
    // The integer value of VT_I2, VT_I4, VT_I8 or VT_BOOL; 0 for anything else.
    LONGLONG AsInteger() const;
    // The text of a VT_BSTR; empty for anything else.
    std::wstring AsString() const;

  private:
    VARIANT m_varValue;
};

#endif
