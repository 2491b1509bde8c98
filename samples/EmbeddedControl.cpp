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

CEmbeddedControl::CEmbeddedControl(const wchar_t* label, const wchar_t* progId, REFIID events, CEventNamer names)
    : m_szLabel(label), m_szProgId(progId), m_names(names), m_sink(events) {}

void CEmbeddedControl::Report(CEventLog& log, const std::wstring& what) const {
    log.Add(std::wstring(m_szProgId) + L": " + what);
}

void CEmbeddedControl::Report(CEventLog& log, const std::wstring& what, HRESULT hr) const {
    Report(log, what + L" (" + HresultText(hr) + L")");
}

bool CEmbeddedControl::Create(HWND parent, const RECT& position, CEventLog& log) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(m_szProgId, &clsid);
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
    m_pSite = CControlSite::Create(parent, position);
    if (!m_pSite) {
        Report(log, L"no memory for its site");
        return false;
    }
    hr = m_pSite->Embed(control.Get());
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
    m_sink.SetHandler([this, &log](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
        log.Add(DescribeEvent(m_szLabel, m_names, event));
        if (m_fnHandler) m_fnHandler(event);
        m_sink.Clear();  // the log is the record
    });
    hr = m_sink.Connect(control.Get());
    if (FAILED(hr)) Report(log, L"events not connected", hr);
    hr = m_pSite->Activate(OLEIVERB_INPLACEACTIVATE);
    if (FAILED(hr)) {
        Report(log, L"in-place activation failed", hr);
        return false;
    }
    const HWND window = m_pSite->ControlWindow();
    if (window == nullptr) {
        Report(log, L"activated, but it has no window");
        return false;
    }
    Report(log, L"embedded, window class \"" + ClassName(window) + L"\"" +
                    (m_sink.Connected() ? L", events connected" : L""));
    m_bShown = true;
    return true;
}

void CEmbeddedControl::Move(const RECT& position) {
    if (m_pSite) m_pSite->Move(position);
}

bool CEmbeddedControl::PreTranslateMessage(MSG& message) { return m_pSite && m_pSite->PreTranslateMessage(message); }

void CEmbeddedControl::Close() {
    m_sink.Disconnect();
    if (m_pSite) m_pSite->Close();
    m_pSite.Reset();
    m_bShown = false;
}
