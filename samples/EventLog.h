// The log pane: a read-only multi-line edit control. Every line also goes
// to standard output, so a run without anyone watching the screen
// (scripts/run.sh) shows the same log.
#ifndef KESTREL_SAMPLES_EVENT_LOG_H
#define KESTREL_SAMPLES_EVENT_LOG_H

#include <windows.h>

#include <string>

class CEventLog {
  public:
    // The edit control belongs to `parent` and goes with it.
    void Create(HWND parent, const RECT& position);
    void Add(const std::wstring& line);
    HWND Window() const { return m_hWnd; }

  private:
    HWND m_hWnd = nullptr;
};

#endif
