#include "EventText.h"

#include "module/Kestrel.h"

#include <cwchar>

namespace {

constexpr size_t kLongestString = 60;

std::wstring Number(long long value, bool hexadecimal) {
    wchar_t text[32];
    std::swprintf(text, 32, hexadecimal ? L"0x%llX" : L"%lld", value);
    return text;
}

std::wstring QuotedLine(const BSTR text) {
    const size_t length = text != nullptr ? SysStringLen(text) : 0;
    std::wstring quoted = L"\"";
    for (size_t i = 0; i < length && i < kLongestString; ++i) {
        const wchar_t c = text[i];
        quoted += c == L'\r' ? std::wstring(L"\\r") : c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
    }
    quoted += L"\"";
    if (length > kLongestString) quoted += L"... (" + Number(static_cast<long long>(length), false) + L" characters)";
    return quoted;
}

}  // namespace

const wchar_t* DeviceTransferEventName(DISPID dispid) {
    switch (dispid) {
        case DISPID_DeleteProgramRequest:
            return L"DeleteProgramRequest";
        case DISPID_OnDragEnter:
            return L"OnDragEnter";
        case DISPID_OnDragOver:
            return L"OnDragOver";
        case DISPID_OnDragLeave:
            return L"OnDragLeave";
        case DISPID_OnDrop:
            return L"OnDrop";
        case DISPID_OnProgramDetailes:
            return L"OnProgramDetailes";
        case DISPID_DeleteSelectedProgramsRequest:
            return L"DeleteSelectedProgramsRequest";
        case DISPID_OnAdjustProgramSegment:
            return L"OnAdjustProgramSegment";
        case DISPID_OnPlayProgramSegment:
            return L"OnPlayProgramSegment";
        case DISPID_OnRefreshRequest:
            return L"OnRefreshRequest";
        case DISPID_OnTabOrderWindow:
            return L"OnTabOrderWindow";
        default:
            return L"?";
    }
}

const wchar_t* MenuCtrlEventName(DISPID dispid) {
    switch (dispid) {
        case DISPID_BeforePopup:
            return L"BeforePopup";
        case DISPID_AfterPopup:
            return L"AfterPopup";
        default:
            return L"?";
    }
}

std::wstring DescribeArgument(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_I2:
            return Number(V_I2(&value), false);
        case VT_I4:
            return Number(V_I4(&value), false);
        case VT_I8:
            return Number(V_I8(&value), true);
        case VT_BOOL:
            return V_BOOL(&value) ? L"true" : L"false";
        case VT_BSTR:
            return QuotedLine(V_BSTR(&value));
        case VT_EMPTY:
            return L"(empty)";
        default:
            return L"(VARIANT type " + Number(V_VT(&value), false) + L")";
    }
}

std::wstring DescribeEvent(const wchar_t* control, CEventNamer names, const CRecordedEvent& event) {
    std::wstring text =
        std::wstring(control) + L" event " + Number(event.dispid, false) + L" " + names(event.dispid) + L"(";
    for (size_t i = 0; i < event.args.size(); ++i) {
        if (i > 0) text += L", ";
        text += DescribeArgument(event.Param(i).get());
    }
    return text + L")";
}
