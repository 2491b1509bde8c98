#include "EmbeddedControl.h"

#include <cwchar>

namespace {

std::wstring HresultText(HRESULT hr) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = L"";
    return std::wstring(name, window != nullptr ? GetClassNameW(window, name, 256) : 0);
}

}  // namespace

EmbeddedControl::EmbeddedControl(const wchar_t* label, const wchar_t* progId, REFIID events, EventNamer names)
    : label_(label), progId_(progId), names_(names), sink_(events) {}

void EmbeddedControl::Report(EventLog& log, const std::wstring& what) const {
    log.Add(std::wstring(progId_) + L": " + what);
}

void EmbeddedControl::Report(EventLog& log, const std::wstring& what, HRESULT hr) const {
    Report(log, what + L" (" + HresultText(hr) + L")");
}

bool EmbeddedControl::Create(HWND parent, const RECT& position, EventLog& log) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(progId_, &clsid);
    if (FAILED(hr)) {
        Report(log, L"not registered", hr);
        return false;
    }
    CComPtr<IUnknown> control;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(control.ReleaseAndGetAddressOf()));
    if (FAILED(hr)) {
        Report(log, L"cannot be created", hr);
        return false;
    }
    site_ = ControlSite::Create(parent, position);
    if (!site_) {
        Report(log, L"no memory for its site");
        return false;
    }
    hr = site_->Embed(control.Get());
    if (hr == E_NOINTERFACE) {
        Report(log, L"created, but it is not an OLE control yet (no IOleObject): nothing to show");
        return false;
    }
    if (FAILED(hr)) {
        Report(log, L"embedding failed", hr);
        return false;
    }
    // Connected before activation, so that nothing the control fires while
    // it comes up is lost.
    sink_.SetHandler([this, &log](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
        log.Add(DescribeEvent(label_, names_, event));
        if (handler_) handler_(event);
        sink_.Clear();  // the log is the record
    });
    hr = sink_.Connect(control.Get());
    if (FAILED(hr)) Report(log, L"events not connected", hr);
    hr = site_->Activate(OLEIVERB_INPLACEACTIVATE);
    if (FAILED(hr)) {
        Report(log, L"in-place activation failed", hr);
        return false;
    }
    const HWND window = site_->ControlWindow();
    if (window == nullptr) {
        Report(log, L"activated, but it has no window");
        return false;
    }
    Report(log, L"embedded, window class \"" + ClassName(window) + L"\"" +
                    (sink_.Connected() ? L", events connected" : L""));
    shown_ = true;
    return true;
}

void EmbeddedControl::Move(const RECT& position) {
    if (site_) site_->Move(position);
}

bool EmbeddedControl::PreTranslateMessage(MSG& message) { return site_ && site_->PreTranslateMessage(message); }

void EmbeddedControl::Close() {
    sink_.Disconnect();
    if (site_) site_->Close();
    site_.Reset();
    shown_ = false;
}
