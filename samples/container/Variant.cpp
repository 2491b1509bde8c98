#include "container/Variant.h"

#include <utility>

Variant::Variant(const VARIANT& value) {
    VariantInit(&value_);
    VariantCopy(&value_, const_cast<VARIANT*>(&value));  // the header lacks const
}

Variant::Variant(const Variant& other) : Variant(other.value_) {}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(value_, other.value_);
    return *this;
}

Variant Variant::Bool(bool value) {
    Variant v;
    V_VT(&v.value_) = VT_BOOL;
    V_BOOL(&v.value_) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Int32(LONG value) {
    Variant v;
    V_VT(&v.value_) = VT_I4;
    V_I4(&v.value_) = value;
    return v;
}

Variant Variant::String(const wchar_t* text) {
    Variant v;
    V_VT(&v.value_) = VT_BSTR;
    V_BSTR(&v.value_) = SysAllocString(text);
    return v;
}

Variant Variant::Dispatch(IDispatch* object) {
    Variant v;
    V_VT(&v.value_) = VT_DISPATCH;
    V_DISPATCH(&v.value_) = object;
    return v;
}

LONGLONG Variant::AsInteger() const {
    switch (type()) {
        case VT_I2:
            return V_I2(&value_);
        case VT_I4:
            return V_I4(&value_);
        case VT_I8:
            return V_I8(&value_);
        case VT_BOOL:
            return V_BOOL(&value_);
        default:
            return 0;
    }
}

std::wstring Variant::AsString() const {
    if (type() != VT_BSTR || V_BSTR(&value_) == nullptr) return {};
    return std::wstring(V_BSTR(&value_), SysStringLen(V_BSTR(&value_)));
}
