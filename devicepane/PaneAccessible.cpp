#include "devicepane/PaneAccessible.h"

#include <commctrl.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <new>

#include "devicepane/AccessibleArguments.h"
#include "devicepane/AccessibleProxy.h"
#include "devicepane/DeviceTransfer.h"
#include "devicepane/PaneTexts.h"
#include "format/TextFormat.h"
#include "module/ResourceString.h"
#include "module/control/AnsiText.h"
#include "module/control/ScopedVariant.h"
#include "res/resource.h"

static_assert(sizeof(DISPID) == sizeof(std::int32_t) && sizeof(VARTYPE) == sizeof(std::uint16_t),
              "the dispatch arrangement takes DISPIDs and VARTYPEs as plain integers");
static_assert(accessible::kMemberNotFound == DISP_E_MEMBERNOTFOUND && accessible::kUnknownName == DISP_E_UNKNOWNNAME &&
                  accessible::kBadParamCount == DISP_E_BADPARAMCOUNT && accessible::kBadVarType == DISP_E_BADVARTYPE &&
                  accessible::kTypeMismatch == DISP_E_TYPEMISMATCH && accessible::kPointer == E_POINTER &&
                  accessible::kInvalidArgument == E_INVALIDARG,
              "status codes of the dispatch arrangement");
static_assert(accessible::kTypeI4 == VT_I4 && accessible::kTypeBstr == VT_BSTR &&
                  accessible::kTypeVariant == VT_VARIANT && accessible::kTypeInt == VT_INT &&
                  accessible::kTypeByRef == VT_BYREF && accessible::kTypeArray == VT_ARRAY &&
                  accessible::kTypeVector == VT_VECTOR,
              "VARTYPEs of the dispatch arrangement");
static_assert(accessible::kPropertyGet == DISPATCH_PROPERTYGET && accessible::kPropertyPut == DISPATCH_PROPERTYPUT &&
                  accessible::kPropertyPutDispid == DISPID_PROPERTYPUT && accessible::kFirstDispid == DISPID_ACC_PARENT,
              "flags and DISPIDs of the dispatch arrangement");

namespace {

constexpr int kItemTextSize = 520;

// Texts of any length: the accessible object shows them whole.
constexpr std::size_t kWhole = std::numeric_limits<std::size_t>::max();

// start + length in seconds, held inside the range of a duration.
std::int32_t SecondsAfter(std::int32_t start, std::int32_t length) {
    const std::int64_t sum = static_cast<std::int64_t>(start) + length;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(sum);
}

HRESULT ReturnText(const std::string& text, BSTR* out) {
    *out = BstrFromAnsi(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The VT_I4 value of `argument`, converted into `scratch` when it is not one.
HRESULT NumberOf(VARIANT& argument, CScopedVariant& scratch, LONG& value) {
    if (V_VT(&argument) == VT_I4) {
        value = V_I4(&argument);
        return S_OK;
    }
    const HRESULT hr = VariantChangeType(scratch.Receive(), &argument, 0, VT_I4);
    if (FAILED(hr)) return hr;
    value = V_I4(&scratch.Get());
    return S_OK;
}

}  // namespace

CPaneAccessible::CPaneAccessible(CDeviceTransfer& pane) : CFramePart(pane), m_pane(pane) {}

CPaneAccessible::~CPaneAccessible() { UnlinkProxy(); }

// ------------------------------------------------------------ the window

bool CPaneAccessible::OnGetObject(WPARAM wp, LPARAM lp, LRESULT& result) {
    // The object identifier travels as a 32-bit value, also in 64-bit lParams.
    if (static_cast<LONG>(lp) != OBJID_CLIENT) return false;
    CComPtr<IAccessible> standard;
    if (FAILED(Standard(standard.ReleaseAndGetAddressOf()))) return false;

    CComPtr<IUnknown> proxy(m_pProxy);
    if (!proxy) {
        CComPtr<IAccessibleProxyLink> link;
        if (FAILED(CAccessibleProxy::Create(&link))) return false;
        link->SetTarget(this, &m_pane);
        m_pane.SetProxy(link.Get());
        proxy = link.Get();
    }
    // The proxy lives as long as the references the system hands to clients:
    // ours goes when `proxy` does.
    const LRESULT answer = LresultFromObject(IID_IAccessible, wp, proxy.Get());
    if (FAILED(static_cast<HRESULT>(answer))) return false;
    result = answer;
    return true;
}

void CPaneAccessible::OnWindowDestroyed() {
    UnlinkProxy();
    m_pStandard.Reset();
}

void CPaneAccessible::UnlinkProxy() {
    if (m_pProxy == nullptr) return;
    // The proxy is alive while it is remembered; it stays so while we ask it.
    CComPtr<IAccessibleProxyLink> link;
    IUnknown* proxy = m_pProxy;
    m_pProxy = nullptr;
    if (SUCCEEDED(
            proxy->QueryInterface(IID_IAccessibleProxyLink, reinterpret_cast<void**>(link.ReleaseAndGetAddressOf()))))
        link->SetTarget(nullptr, nullptr);
}

HRESULT CPaneAccessible::Standard(IAccessible** standard) {
    if (!m_pStandard) {
        const HWND window = m_pane.Window();
        if (window == nullptr) return E_FAIL;
        const HRESULT hr = CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(m_pStandard.ReleaseAndGetAddressOf()));
        if (FAILED(hr)) return hr;
        if (!m_pStandard) return E_FAIL;
    }
    *standard = m_pStandard.Get();
    (*standard)->AddRef();
    return S_OK;
}

// ------------------------------------------------------- the pane's texts

std::string CPaneAccessible::ItemText(int item, int column) const {
    const HWND list = m_pane.ListWindow();
    if (list == nullptr || item < 0) return std::string();
    char text[kItemTextSize] = {};
    ListView_GetItemText(list, item, column, text, kItemTextSize);
    return text;
}

std::string CPaneAccessible::PaneName() const {
    const std::string device = m_pane.Status().m_DeviceNameText.GetText();
    if (device == LoadResourceString(IDS_NO_DEVICE)) return std::string();
    if (m_pane.ConnectionStatus() != 0)
        return PaneTexts::Fill(LoadResourceString(IDS_ACC_PROGRAMS_ON_DEVICE), {device}, kWhole);
    return LoadResourceString(IDS_ACC_DEVICE_STATUS);
}

std::string CPaneAccessible::PaneDescription() const {
    const std::string device = m_pane.Status().m_DeviceNameText.GetText();
    if (device == LoadResourceString(IDS_NO_DEVICE)) return LoadResourceString(IDS_ACC_NO_DEVICE_SELECTED);
    if (m_pane.ConnectionStatus() == 0)
        return PaneTexts::Fill(LoadResourceString(IDS_ACC_NOT_CONNECTED), {device}, kWhole);
    const CStatusArea& status = m_pane.Status();
    return PaneTexts::Fill(
        "%s. %s. %s", {status.m_StatusMessage.GetText(), status.m_TotalText.GetText(), status.m_FreeText.GetText()},
        kWhole);
}

// Child i is list item i - 1; identifiers beyond the list have empty texts.
std::string CPaneAccessible::ProgramName(LONG child) const { return ItemText(child > 0 ? child - 1 : -1, 0); }

std::string CPaneAccessible::ProgramDescription(LONG child) const {
    if (m_pane.ConnectionStatus() == 0) {
        if (m_pane.Status().m_DeviceNameText.GetText() == LoadResourceString(IDS_NO_DEVICE))
            return LoadResourceString(IDS_ACC_NO_DEVICE_SELECTED);
        return m_pane.Status().m_StatusMessage.GetText();
    }
    // Identifiers beyond the list describe nothing.
    const int item = child > 0 ? child - 1 : -1;
    CDeviceProgram program{};
    if (item < 0 || m_pane.GetProgramProperties(item, &program) != S_OK) return std::string();
    const std::string title = ItemText(item, 0);
    const std::string time = ItemText(item, 1);
    const std::string size = ItemText(item, 3);
    const std::string start = FormatDuration(program.m_ProgramStart);
    const std::string end = FormatDuration(SecondsAfter(program.m_ProgramStart, program.m_TimeOnDevice));
    const std::string position = FormatDuration(SecondsAfter(program.m_ProgramStart, program.m_PlayBackPos));
    CDeviceInfo device{};
    m_pane.GetDeviceInfo(&device);
    const UINT segmentId =
        m_pane.GetDisplayMode() == DEVICE_VIEW ? IDS_SEGMENT_TIP_ON_DEVICE : IDS_SEGMENT_TIP_AFTER_TRANSFER;
    const std::string segment = PaneTexts::Fill(
        LoadResourceString(segmentId), {PaneTexts::ArrayText(device.szDeviceName), start, end, position}, kWhole);
    return PaneTexts::Fill(LoadResourceString(IDS_ACC_PROGRAM_DESCRIPTION), {title, segment, time, size}, kWhole);
}

// ------------------------------------------------- the pane's own members

STDMETHODIMP CPaneAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) return E_POINTER;
    const HWND list = m_pane.ListWindow();
    *count = m_pane.ConnectionStatus() != 0 && list != nullptr ? static_cast<LONG>(ListView_GetItemCount(list)) : 0;
    return S_OK;
}

STDMETHODIMP CPaneAccessible::get_accName(VARIANT child, BSTR* name) {
    if (V_VT(&child) != VT_I4) {
        CComPtr<IAccessible> standard;
        const HRESULT hr = Standard(standard.ReleaseAndGetAddressOf());
        return FAILED(hr) ? hr : standard->get_accName(child, name);
    }
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    try {
        return ReturnText(V_I4(&child) == CHILDID_SELF ? PaneName() : ProgramName(V_I4(&child)), name);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP CPaneAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (V_VT(&child) != VT_I4) {
        CComPtr<IAccessible> standard;
        const HRESULT hr = Standard(standard.ReleaseAndGetAddressOf());
        return FAILED(hr) ? hr : standard->get_accDescription(child, description);
    }
    if (description == nullptr) return E_POINTER;
    *description = nullptr;
    try {
        return ReturnText(V_I4(&child) == CHILDID_SELF ? PaneDescription() : ProgramDescription(V_I4(&child)),
                          description);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

// --------------------------------------------- the standard object's members

#define KESTREL_STANDARD(call)                                          \
    do {                                                                \
        CComPtr<IAccessible> standard;                                  \
        const HRESULT hr = Standard(standard.ReleaseAndGetAddressOf()); \
        return FAILED(hr) ? hr : standard->call;                        \
    } while (false)

// Wine's standard object writes through a null result pointer: refused here.
#define KESTREL_STANDARD_OUT(out, call)         \
    do {                                        \
        if ((out) == nullptr) return E_POINTER; \
        KESTREL_STANDARD(call);                 \
    } while (false)

STDMETHODIMP CPaneAccessible::get_accParent(IDispatch** parent) { KESTREL_STANDARD_OUT(parent, get_accParent(parent)); }
STDMETHODIMP CPaneAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    KESTREL_STANDARD_OUT(dispatch, get_accChild(child, dispatch));
}
STDMETHODIMP CPaneAccessible::get_accValue(VARIANT child, BSTR* value) {
    KESTREL_STANDARD_OUT(value, get_accValue(child, value));
}
STDMETHODIMP CPaneAccessible::get_accRole(VARIANT child, VARIANT* role) {
    KESTREL_STANDARD_OUT(role, get_accRole(child, role));
}
STDMETHODIMP CPaneAccessible::get_accState(VARIANT child, VARIANT* state) {
    KESTREL_STANDARD_OUT(state, get_accState(child, state));
}
STDMETHODIMP CPaneAccessible::get_accHelp(VARIANT child, BSTR* help) {
    KESTREL_STANDARD_OUT(help, get_accHelp(child, help));
}
STDMETHODIMP CPaneAccessible::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    KESTREL_STANDARD_OUT(topic, get_accHelpTopic(helpFile, child, topic));
}
STDMETHODIMP CPaneAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    KESTREL_STANDARD_OUT(shortcut, get_accKeyboardShortcut(child, shortcut));
}
STDMETHODIMP CPaneAccessible::get_accFocus(VARIANT* focus) { KESTREL_STANDARD_OUT(focus, get_accFocus(focus)); }
STDMETHODIMP CPaneAccessible::get_accSelection(VARIANT* selection) {
    KESTREL_STANDARD_OUT(selection, get_accSelection(selection));
}
STDMETHODIMP CPaneAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    KESTREL_STANDARD_OUT(action, get_accDefaultAction(child, action));
}
STDMETHODIMP CPaneAccessible::accSelect(LONG flags, VARIANT child) { KESTREL_STANDARD(accSelect(flags, child)); }
STDMETHODIMP CPaneAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    KESTREL_STANDARD(accLocation(left, top, width, height, child));
}
STDMETHODIMP CPaneAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    KESTREL_STANDARD_OUT(end, accNavigate(direction, start, end));
}
STDMETHODIMP CPaneAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
    KESTREL_STANDARD_OUT(child, accHitTest(x, y, child));
}
STDMETHODIMP CPaneAccessible::accDoDefaultAction(VARIANT child) { KESTREL_STANDARD(accDoDefaultAction(child)); }
STDMETHODIMP CPaneAccessible::put_accName(VARIANT child, BSTR name) { KESTREL_STANDARD(put_accName(child, name)); }
STDMETHODIMP CPaneAccessible::put_accValue(VARIANT child, BSTR value) { KESTREL_STANDARD(put_accValue(child, value)); }

#undef KESTREL_STANDARD

// ------------------------------------------------------------- IDispatch

// One type description is announced, as hosts have always seen, but none is
// served: the members are reached by name.
STDMETHODIMP CPaneAccessible::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CPaneAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CPaneAccessible::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* dispids) {
    return accessible::LookUpNames(names, count, dispids);
}

STDMETHODIMP CPaneAccessible::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT* argumentError) {
    using accessible::Member;
    CScopedVariant localResult;
    UINT localError = 0;
    if (result == nullptr) result = localResult.Receive();
    if (argumentError == nullptr) argumentError = &localError;

    // The arrangement reads only as many entries as it may accept.
    std::uint16_t types[accessible::kMaxArguments] = {};
    std::int32_t named[accessible::kMaxArguments] = {};
    accessible::CParameterBlock block{};
    if (params != nullptr) {
        block.argumentCount = params->cArgs;
        block.namedCount = params->cNamedArgs;
        if (params->rgvarg != nullptr) {
            for (UINT i = 0; i < params->cArgs && i < accessible::kMaxArguments; ++i)
                types[i] = V_VT(&params->rgvarg[i]);
            block.types = types;
        }
        if (params->rgdispidNamedArgs != nullptr) {
            for (UINT i = 0; i < params->cNamedArgs && i < accessible::kMaxArguments; ++i)
                named[i] = params->rgdispidNamedArgs[i];
            block.namedDispids = named;
        }
    }
    accessible::CArrangedCall call{};
    unsigned mismatch = 0;
    const HRESULT arranged = accessible::Arrange(dispid, flags, params != nullptr ? &block : nullptr, call, mismatch);
    if (arranged == DISP_E_TYPEMISMATCH) *argumentError = mismatch;
    if (FAILED(arranged)) return arranged;

    VARIANT* argument[accessible::kMaxArguments] = {};
    for (unsigned p = 0; p < call.count; ++p) argument[p] = &params->rgvarg[call.source[p]];
    CScopedVariant scratch[2];
    HRESULT hr = S_OK;

    auto returnText = [&](HRESULT (STDMETHODCALLTYPE CPaneAccessible::*get)(VARIANT, BSTR*)) {
        BSTR text = nullptr;
        hr = (this->*get)(*argument[0], &text);
        if (SUCCEEDED(hr)) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = text;
        } else {
            SysFreeString(text);
        }
    };
    auto putText = [&](HRESULT (STDMETHODCALLTYPE CPaneAccessible::*put)(VARIANT, BSTR)) {
        VARIANT* text = argument[1];
        if (V_VT(text) != VT_BSTR) {
            hr = VariantChangeType(scratch[0].Receive(), text, 0, VT_BSTR);
            if (FAILED(hr)) {
                *argumentError = 1;
                return;
            }
            text = &scratch[0].Get();
        }
        hr = (this->*put)(*argument[0], V_BSTR(text));
    };
    auto number = [&](unsigned position, LONG& value) {
        hr = NumberOf(*argument[position], scratch[position], value);
        if (FAILED(hr)) *argumentError = position;
        return SUCCEEDED(hr);
    };

    switch (call.member) {
        case Member::GET_PARENT:
        case Member::GET_CHILD: {
            IDispatch* dispatch = nullptr;
            hr = call.member == Member::GET_PARENT ? get_accParent(&dispatch) : get_accChild(*argument[0], &dispatch);
            if (SUCCEEDED(hr)) {
                V_VT(result) = VT_DISPATCH;
                V_DISPATCH(result) = dispatch;
            }
            break;
        }
        case Member::GET_CHILD_COUNT: {
            LONG count = 0;
            hr = get_accChildCount(&count);
            if (SUCCEEDED(hr)) {
                V_VT(result) = VT_I4;
                V_I4(result) = count;
            }
            break;
        }
        case Member::GET_NAME:
            returnText(&CPaneAccessible::get_accName);
            break;
        case Member::GET_VALUE:
            returnText(&CPaneAccessible::get_accValue);
            break;
        case Member::GET_DESCRIPTION:
            returnText(&CPaneAccessible::get_accDescription);
            break;
        case Member::GET_HELP:
            returnText(&CPaneAccessible::get_accHelp);
            break;
        case Member::GET_KEYBOARD_SHORTCUT:
            returnText(&CPaneAccessible::get_accKeyboardShortcut);
            break;
        case Member::GET_DEFAULT_ACTION:
            returnText(&CPaneAccessible::get_accDefaultAction);
            break;
        case Member::PUT_NAME:
            putText(&CPaneAccessible::put_accName);
            break;
        case Member::PUT_VALUE:
            putText(&CPaneAccessible::put_accValue);
            break;
        case Member::GET_ROLE:
            hr = get_accRole(*argument[0], result);
            break;
        case Member::GET_STATE:
            hr = get_accState(*argument[0], result);
            break;
        case Member::GET_FOCUS:
            hr = get_accFocus(result);
            break;
        case Member::GET_SELECTION:
            hr = get_accSelection(result);
            break;
        case Member::GET_HELP_TOPIC: {
            // The file name goes where the caller's reference points, or
            // replaces a plain value; an old string there is the caller's
            // [in, out] string, freed as the convention asks.
            VARIANT* file = argument[0];
            BSTR* target = nullptr;
            if (V_VT(file) == (VT_BYREF | VT_BSTR)) {
                target = V_BSTRREF(file);
                if (target == nullptr) return E_POINTER;
                SysFreeString(*target);
                *target = nullptr;
            } else {
                VARIANT* holder = V_VT(file) == (VT_BYREF | VT_VARIANT) ? V_VARIANTREF(file) : file;
                if (holder == nullptr) return E_POINTER;
                VariantClear(holder);
                V_VT(holder) = VT_BSTR;
                V_BSTR(holder) = nullptr;
                target = &V_BSTR(holder);
            }
            LONG topic = 0;
            hr = get_accHelpTopic(target, *argument[1], &topic);
            if (SUCCEEDED(hr)) {
                V_VT(result) = VT_I4;
                V_I4(result) = topic;
            }
            break;
        }
        case Member::SELECT: {
            LONG selectFlags = 0;
            if (number(0, selectFlags)) hr = accSelect(selectFlags, *argument[1]);
            break;
        }
        case Member::LOCATION: {
            LONG* out[4] = {};
            for (unsigned p = 0; p < 4; ++p) {
                if (V_BYREF(argument[p]) == nullptr) {
                    *argumentError = p;
                    return E_POINTER;
                }
            }
            for (unsigned p = 0; p < 4; ++p) {
                VARIANT* slot = argument[p];
                if (V_VT(slot) == (VT_BYREF | VT_VARIANT)) {
                    VARIANT* holder = V_VARIANTREF(slot);
                    VariantClear(holder);
                    V_VT(holder) = VT_I4;
                    V_I4(holder) = 0;
                    out[p] = &V_I4(holder);
                } else {
                    out[p] = static_cast<LONG*>(V_BYREF(slot));  // VT_I4 or VT_INT: 32 bits either way
                }
            }
            hr = accLocation(out[0], out[1], out[2], out[3], *argument[4]);
            break;
        }
        case Member::NAVIGATE: {
            LONG direction = 0;
            if (number(0, direction)) hr = accNavigate(direction, *argument[1], result);
            break;
        }
        case Member::HIT_TEST: {
            LONG x = 0, y = 0;
            if (number(0, x) && number(1, y)) hr = accHitTest(x, y, result);
            break;
        }
        case Member::DO_DEFAULT_ACTION:
            hr = accDoDefaultAction(*argument[0]);
            break;
    }
    return hr;
}
