// The sample host's use of the device pane, as Lanthorn uses it: it fills
// the pane from the demonstration library, connects and disconnects the
// player, switches the display modes and answers the pane's events.
//
//   CPaneDemo demo(log);
//   demo.Attach(pane, owner);     // the pane is embedded and in place
//   demo.ShowScene(1);            // e.g. the transfer list
//   demo.OnEvent(event);          // from the pane's event sink
//   demo.Detach();                // before the pane goes
#ifndef KESTREL_SAMPLES_PANE_DEMO_H
#define KESTREL_SAMPLES_PANE_DEMO_H

#include <windows.h>

#include "DetailsWindow.h"
#include "EventLog.h"
#include "container/EventSink.h"
#include "draw/GdiHandles.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"

// What a screenshot of the pane shows.
struct CPaneScene {
    const wchar_t* name;  // also the screenshot's file name, without ".png"
    DISPLAY_MODE mode;
    bool connected;
};

class CPaneDemo {
  public:
    // The player connected in each display mode, then disconnected.
    static constexpr CPaneScene kScenes[] = {
        {L"device-view", DEVICE_VIEW, true},
        {L"transfer-list-view", TRANSFER_LIST_VIEW, true},
        {L"cdburn-view", CDBURN_VIEW, true},
        {L"disconnected", DEVICE_VIEW, false},
    };

    explicit CPaneDemo(CEventLog& log);
    ~CPaneDemo() { Detach(); }
    CPaneDemo(const CPaneDemo&) = delete;
    CPaneDemo& operator=(const CPaneDemo&) = delete;

    // Gives the pane its codec images and shows the first scene. Details
    // documents open in a window owned by `owner`.
    void Attach(IDeviceTransfer* pane, HWND owner);
    void Detach();
    void ShowScene(const CPaneScene& scene);

    // The host's answer to one event of the pane, during the event: the
    // segment gets its size at the player's bitrate, a refresh refills the
    // list, a delete request removes the selected programs, a details
    // document is shown in a window of its own.
    void OnEvent(const CRecordedEvent& event);

  private:
    void Connect(DISPLAY_MODE mode);
    void Disconnect();
    void Fill();
    void OnAdjustProgramSegment(int index, CDeviceProgram* program);
    void OnDeleteSelectedPrograms();

    CEventLog& m_log;
    HWND m_hWndOwner = nullptr;
    CDetailsWindow m_DetailsWindow;
    CComPtr<IDeviceTransfer> m_pPane;
    IconHandle m_hPlayerIcon;
    IconHandle m_hDiscIcon;
    DISPLAY_MODE m_mode = DEVICE_VIEW;
    bool m_bConnected = false;
};

#endif
