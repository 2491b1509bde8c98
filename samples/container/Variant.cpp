#include "container/Variant.h"

#include <utility>

CVariant::CVariant(const VARIANT& value) {
    VariantInit(&m_varValue);
    VariantCopy(&m_varValue, const_cast<VARIANT*>(&value));  // the header lacks const
}

CVariant::CVariant(const CVariant& other) : CVariant(other.m_varValue) {}

CVariant::CVariant(CVariant&& other) noexcept : m_varValue(other.m_varValue) { VariantInit(&other.m_varValue); }

CVariant& CVariant::operator=(CVariant other) noexcept {
    std::swap(m_varValue, other.m_varValue);
    return *this;
}

CVariant CVariant::Bool(bool value) {
    CVariant v;
    V_VT(&v.m_varValue) = VT_BOOL;
    V_BOOL(&v.m_varValue) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

CVariant CVariant::Int32(LONG value) {
    CVariant v;
    V_VT(&v.m_varValue) = VT_I4;
    V_I4(&v.m_varValue) = value;
    return v;
}

CVariant CVariant::String(const wchar_t* text) {
    CVariant v;
    V_VT(&v.m_varValue) = VT_BSTR;
    V_BSTR(&v.m_varValue) = SysAllocString(text);
    return v;
}

CVariant CVariant::Dispatch(IDispatch* object) {
    CVariant v;
    V_VT(&v.m_varValue) = VT_DISPATCH;
    V_DISPATCH(&v.m_varValue) = object;
    return v;
}

LONGLONG CVariant::AsInteger() const {
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

std::wstring CVariant::AsString() const {
    if (type() != VT_BSTR || V_BSTR(&m_varValue) == nullptr) return {};
    return std::wstring(V_BSTR(&m_varValue), SysStringLen(V_BSTR(&m_varValue)));
}
