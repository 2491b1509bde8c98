#include "module/control/AnsiText.h"

BSTR BstrFromAnsi(const char* text) {
    if (text == nullptr || *text == '\0') return SysAllocStringLen(nullptr, 0);
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return SysAllocStringLen(nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (result != nullptr) MultiByteToWideChar(CP_ACP, 0, text, -1, result, length);
    return result;
}
