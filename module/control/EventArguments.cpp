#include "module/control/EventArguments.h"

#include "module/control/AnsiText.h"

#include <cstring>

CEventArguments::~CEventArguments() {
    for (std::size_t i = 0; i < m_count; ++i) VariantClear(&m_args[i]);
}

VARIANT* CEventArguments::PushFront() {
    if (m_count == kMaxArguments) return nullptr;
    std::memmove(&m_args[1], &m_args[0], m_count * sizeof(VARIANT));
    ++m_count;
    VariantInit(&m_args[0]);
    return &m_args[0];
}

CEventArguments& CEventArguments::Int(LONG value) {
    if (VARIANT* arg = PushFront()) {
        V_VT(arg) = VT_I4;
        V_I4(arg) = value;
    }
    return *this;
}

CEventArguments& CEventArguments::Short(SHORT value) {
    if (VARIANT* arg = PushFront()) {
        V_VT(arg) = VT_I2;
        V_I2(arg) = value;
    }
    return *this;
}

CEventArguments& CEventArguments::Bool(bool value) {
    if (VARIANT* arg = PushFront()) {
        V_VT(arg) = VT_BOOL;
        V_BOOL(arg) = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return *this;
}

CEventArguments& CEventArguments::Pointer(const void* address) {
    if (VARIANT* arg = PushFront()) {
        const auto value = reinterpret_cast<LONG_PTR>(address);
        if constexpr (sizeof(LONG_PTR) == sizeof(LONGLONG)) {
            V_VT(arg) = VT_I8;
            V_I8(arg) = value;
        } else {
            V_VT(arg) = VT_I4;
            V_I4(arg) = static_cast<LONG>(value);
        }
    }
    return *this;
}

CEventArguments& CEventArguments::AnsiText(const char* text) {
    if (VARIANT* arg = PushFront()) {
        V_VT(arg) = VT_BSTR;
        V_BSTR(arg) = BstrFromAnsi(text);
    }
    return *this;
}

DISPPARAMS* CEventArguments::Params() {
    m_params.rgvarg = m_count > 0 ? m_args : nullptr;
    m_params.cArgs = static_cast<UINT>(m_count);
    m_params.rgdispidNamedArgs = nullptr;
    m_params.cNamedArgs = 0;
    return &m_params;
}
