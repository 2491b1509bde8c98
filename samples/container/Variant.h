// CVariant: one VARIANT that owns its content (a BSTR is freed, an interface
// released when it goes), so recorded arguments outlive the caller's copy.
#ifndef KESTREL_CONTAINER_VARIANT_H
#define KESTREL_CONTAINER_VARIANT_H

#include <windows.h>
#include <oleauto.h>

#include <string>

class CVariant {
  public:
    CVariant() { VariantInit(&m_varValue); }
    // Deep copy (VariantCopy); a by-reference VARIANT keeps its reference.
    explicit CVariant(const VARIANT& value);
    CVariant(const CVariant& other);
    CVariant(CVariant&& other) noexcept;
    CVariant& operator=(CVariant other) noexcept;
    ~CVariant() { VariantClear(&m_varValue); }

    static CVariant Bool(bool value);
    static CVariant Int32(LONG value);
    static CVariant String(const wchar_t* text);
    // Takes over the reference it is given.
    static CVariant Dispatch(IDispatch* object);

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
