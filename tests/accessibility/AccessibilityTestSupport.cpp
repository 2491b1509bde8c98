#include "accessibility/AccessibilityTestSupport.h"

#include <gtest/gtest.h>

#include "devicepane/DeviceTransfer.h"
#include "module/ResourceString.h"

ComPtr<IAccessible> AccessibleOf(HWND window) {
    ComPtr<IAccessible> accessible;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(accessible.ReleaseAndGetAddressOf()));
    return accessible;
}

bool SameObject(IUnknown* a, IUnknown* b) {
    ComPtr<IUnknown> ua, ub;
    if (a == nullptr || b == nullptr) return false;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ua.ReleaseAndGetAddressOf()));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ub.ReleaseAndGetAddressOf()));
    return ua.Get() == ub.Get();
}

VARIANT ChildId(LONG id) {
    VARIANT child;
    VariantInit(&child);
    V_VT(&child) = VT_I4;
    V_I4(&child) = id;
    return child;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return wide;
}

std::wstring ResourceText(UINT id) { return Wide(LoadResourceString(id)); }

ActivePane::ActivePane() {
    EXPECT_HRESULT_SUCCEEDED(m_container.Create(CreateDeviceTransfer));
    EXPECT_HRESULT_SUCCEEDED(m_container.Activate());
    EXPECT_NE(nullptr, Window());
}
