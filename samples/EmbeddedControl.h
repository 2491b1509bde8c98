// One Kestrel control in the sample's main window, as the host has it:
// created by ProgID (the sample registers nothing), embedded through a
// ControlSite, activated in place, its events written to the log. Each
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

class EmbeddedControl {
  public:
    EmbeddedControl(const wchar_t* label, const wchar_t* progId, REFIID events, EventNamer names);
    ~EmbeddedControl() { Close(); }
    EmbeddedControl(const EmbeddedControl&) = delete;
    EmbeddedControl& operator=(const EmbeddedControl&) = delete;

    // Called for each event after it is logged, during the event: the host's
    // answer. Set before Create.
    void SetEventHandler(std::function<void(const RecordedEvent&)> handler) { handler_ = std::move(handler); }
    // True when the control is in place and showing.
    bool Create(HWND parent, const RECT& position, EventLog& log);
    void Move(const RECT& position);
    bool PreTranslateMessage(MSG& message);
    // Disconnects the events, deactivates and releases the control.
    void Close();

    bool Shown() const { return shown_; }
    const wchar_t* Label() const { return label_; }
    const wchar_t* ProgId() const { return progId_; }
    HWND Window() const { return site_ ? site_->ControlWindow() : nullptr; }
    // The control's interface `iid`; null when there is none.
    template <class I>
    CComPtr<I> Query(REFIID iid) const {
        CComPtr<I> result;
        if (site_ && site_->Control() != nullptr)
            site_->Control()->QueryInterface(iid, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
        return result;
    }

  private:
    void Report(EventLog& log, const std::wstring& what) const;
    void Report(EventLog& log, const std::wstring& what, HRESULT hr) const;

    const wchar_t* label_;
    const wchar_t* progId_;
    EventNamer names_;
    CComPtr<ControlSite> site_;
    EventSink sink_;
    std::function<void(const RecordedEvent&)> handler_;
    bool shown_ = false;
};

#endif
