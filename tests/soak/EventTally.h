// What the controls fired during a soak, by event name, read from the
// sample host's log ("DeviceTransfer event 7 DeleteSelectedProgramsRequest
// (...)"): evidence that the random input reached popups, details, deletes
// and refreshes.
#ifndef KESTREL_TESTS_SOAK_EVENT_TALLY_H
#define KESTREL_TESTS_SOAK_EVENT_TALLY_H

#include <map>
#include <string>

class CEventTally {
  public:
    // Counts the events of one host's log.
    void AddLog(const std::wstring& path);
    // "BeforePopup 6, OnProgramDetailes 3, ..."; "none" when empty.
    std::string Text() const;

  private:
    std::map<std::string, unsigned long> m_mapCounts;
};

#endif
