// How the sample host answers the device pane's requests, as Lanthorn
// does: it shows the details document, deletes the selected programs,
// refills the pane on refresh and sets the size of an adjusted segment.
#ifndef KESTREL_SAMPLES_PANE_REQUESTS_H
#define KESTREL_SAMPLES_PANE_REQUESTS_H

#include <windows.h>

#include "DetailsWindow.h"
#include "EventLog.h"
#include "container/EventSink.h"
#include "module/Kestrel.h"

class PaneRequests {
  public:
    PaneRequests(HWND owner, EventLog& log) : owner_(owner), log_(log) {}

    // Called for each event of the pane, inside the event.
    void OnEvent(IDeviceTransfer& pane, const RecordedEvent& event);

    // The size the sample's "player" gives a segment: 16,000 bytes a second.
    static constexpr int kBytesPerSecond = 16000;

  private:
    void DeleteSelected(IDeviceTransfer& pane);

    HWND owner_;
    EventLog& log_;
    DetailsWindow details_;
};

#endif
