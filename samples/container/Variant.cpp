#include "container/Variant.h"

#include <utility>

Variant::Variant(const VARIANT& value) {
    VariantInit(&m_varValue);
    VariantCopy(&m_varValue, const_cast<VARIANT*>(&value));  // the header lacks const
}

Variant::Variant(const Variant& other) : Variant(other.m_varValue) {}

Variant::Variant(Variant&& other) noexcept : m_varValue(other.m_varValue) { VariantInit(&other.m_varValue); }

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(m_varValue, other.m_varValue);
    return *this;
}

Variant Variant::Bool(bool value) {
    Variant v;
    V_VT(&v.m_varValue) = VT_BOOL;
    V_BOOL(&v.m_varValue) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Int32(LONG value) {
    Variant v;
    V_VT(&v.m_varValue) = VT_I4;
    V_I4(&v.m_varValue) = value;
    return v;
}

Variant Variant::String(const wchar_t* text) {
    Variant v;
    V_VT(&v.m_varValue) = VT_BSTR;
    V_BSTR(&v.m_varValue) = SysAllocString(text);
    return v;
}

Variant Variant::Dispatch(IDispatch* object) {
    Variant v;
    V_VT(&v.m_varValue) = VT_DISPATCH;
    V_DISPATCH(&v.m_varValue) = object;
    return v;
}

LONGLONG Variant::AsInteger() const {
    switch (type()) {
        case VT_I2:
            return V_I2(&m_varValue);
        case VT_I4:
            return V_I4(&m_varValue);
        case VT_I8:
            return V_I8(&m_varValue);
        case VT_BOOL:
            return V_BOOL(&m_varValue);
        default:
            return 0;
    }
}

std::wstring Variant::AsString() const {
    if (type() != VT_BSTR || V_BSTR(&m_varValue) == nullptr) return {};
    return std::wstring(V_BSTR(&m_varValue), SysStringLen(V_BSTR(&m_varValue)));
}
