// One Kestrel control in the sample's main window, as the host has it:
// created by ProgID (the sample registers nothing), embedded through a
// CControlSite, activated in place, its events written to the log. Each
// step that fails is logged in words, and the host carries on without it.
#ifndef KESTREL_SAMPLES_EMBEDDED_CONTROL_H
#define KESTREL_SAMPLES_EMBEDDED_CONTROL_H

#include <windows.h>
#include "module/ComPtr.h"

#include <functional>
#include <string>

#include "EventLog.h"
#include "EventText.h"
#include "container/ControlSite.h"
#include "container/EventSink.h"

class CEmbeddedControl {
  public:
    CEmbeddedControl(const wchar_t* label, const wchar_t* progId, REFIID events, CEventNamer names);
    ~CEmbeddedControl() { Close(); }
    CEmbeddedControl(const CEmbeddedControl&) = delete;
    CEmbeddedControl& operator=(const CEmbeddedControl&) = delete;

    // Called for each event after it is logged, during the event: the host's
    // answer. Set before Create.
    void SetEventHandler(std::function<void(const CRecordedEvent&)> handler) { m_fnHandler = std::move(handler); }
    // True when the control is in place and showing.
    bool Create(HWND parent, const RECT& position, CEventLog& log);
    void Move(const RECT& position);
    bool PreTranslateMessage(MSG& message);
    // Disconnects the events, deactivates and releases the control.
    void Close();

    bool Shown() const { return m_bShown; }
    const wchar_t* Label() const { return m_szLabel; }
    const wchar_t* ProgId() const { return m_szProgId; }
    HWND Window() const { return m_pSite ? m_pSite->ControlWindow() : nullptr; }
    // The control's interface `iid`; null when there is none.
    template <class I>
    CComPtr<I> Query(REFIID iid) const {
        CComPtr<I> result;
        if (m_pSite && m_pSite->Control() != nullptr)
            m_pSite->Control()->QueryInterface(iid, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
        return result;
    }

  private:
    void Report(CEventLog& log, const std::wstring& what) const;
    void Report(CEventLog& log, const std::wstring& what, HRESULT hr) const;

    const wchar_t* m_szLabel;
    const wchar_t* m_szProgId;
    CEventNamer m_names;
    CComPtr<CControlSite> m_pSite;
    CEventSink m_sink;
    std::function<void(const CRecordedEvent&)> m_fnHandler;
    bool m_bShown = false;
};

#endif
