#include "PaneDemo.h"

#include <algorithm>
#include <string>
#include <vector>

#include "DemoLibrary.h"

namespace {

std::wstring Number(long long value) { return std::to_wstring(value); }

}  // namespace

CPaneDemo::CPaneDemo(CEventLog& log) : m_log(log) {}

void CPaneDemo::Attach(IDeviceTransfer* pane, HWND owner) {
    m_pPane = pane;
    m_hWndOwner = owner;
    if (!m_pPane) return;
    m_hPlayerIcon.Reset(CreateDemoDeviceIcon(DEVICE_VIEW));
    m_hDiscIcon.Reset(CreateDemoDeviceIcon(CDBURN_VIEW));
    // The list takes the image list over and destroys it with its window.
    m_pPane->SetImageList(CreateDemoCodecImages());
    ShowScene(kScenes[0]);
}

void CPaneDemo::Detach() { m_pPane.Reset(); }

void CPaneDemo::ShowScene(const CPaneScene& scene) {
    if (!m_pPane) return;
    if (scene.connected)
        Connect(scene.mode);
    else
        Disconnect();
}

// As Lanthorn does when a player appears: the pane says it is reading the
// player while the host gathers the figures and the programs.
void CPaneDemo::Connect(DISPLAY_MODE mode) {
    m_mode = mode;
    m_pPane->SetDisplayMode(mode);
    CDeviceInfo device = DemoDevice(mode);
    device.fieldUsed |= DEVICE_IMAGE;
    device.hDeviceImage = (mode == CDBURN_VIEW ? m_hDiscIcon : m_hPlayerIcon).Get();  // the pane keeps a copy
    m_pPane->SetDeviceInfo(device);
    m_pPane->SetDeviceConnection(0, 1, nullptr);
    m_bConnected = true;
    Fill();
    m_pPane->SetDeviceConnection(1, 0, nullptr);
    m_log.Add(std::wstring(L"host: player connected, ") + (mode == DEVICE_VIEW          ? L"programs on the player"
                                                           : mode == TRANSFER_LIST_VIEW ? L"programs queued for it"
                                                                                        : L"programs for a CD"));
}

void CPaneDemo::Disconnect() {
    m_bConnected = false;
    m_mode = DEVICE_VIEW;
    m_pPane->SetDisplayMode(m_mode);
    CDeviceInfo device = DemoDevice(DEVICE_VIEW);
    device.fieldUsed = TOTAL_MEM | USED_MEMORY | DEVICE_IMAGE;
    device.totalMemory = 0;
    device.usedMemory = 0;
    device.hDeviceImage = m_hPlayerIcon.Get();
    m_pPane->SetDeviceInfo(device);
    m_pPane->SetDeviceConnection(0, 0, nullptr);
    m_log.Add(L"host: player disconnected");
}

void CPaneDemo::Fill() {
    m_pPane->RemoveAllPrograms();
    if (!m_bConnected) return;
    for (CDeviceProgram& program : DemoPrograms(m_mode)) m_pPane->AddProgram(&program);
    m_pPane->SetTransferProgram(m_mode == TRANSFER_LIST_VIEW ? kDemoTransferTitle : nullptr);
}

void CPaneDemo::OnEvent(const CRecordedEvent& event) {
    if (!m_pPane) return;
    switch (event.dispid) {
        case DISPID_OnAdjustProgramSegment:
            // (index, address of the pane's record, from the dialog)
            if (event.args.size() >= 2)
                OnAdjustProgramSegment(
                    static_cast<int>(event.Param(0).AsInteger()),
                    reinterpret_cast<CDeviceProgram*>(static_cast<INT_PTR>(event.Param(1).AsInteger())));
            break;
        case DISPID_OnRefreshRequest:
            Fill();
            m_log.Add(L"host: list refilled");
            break;
        case DISPID_DeleteSelectedProgramsRequest:
            OnDeleteSelectedPrograms();
            break;
        case DISPID_OnProgramDetailes:
            // (document, asked for by the user)
            if (!event.args.empty()) m_DetailsWindow.Show(m_hWndOwner, event.Param(0).AsString());
            break;
        default:
            break;
    }
}

// The record is the pane's own, valid during the event: the host gives the
// segment the size it will take on the player, and shows it in the row.
void CPaneDemo::OnAdjustProgramSegment(int index, CDeviceProgram* program) {
    if (program == nullptr) return;
    program->m_SizeOnDevice = program->m_TimeOnDevice * kDemoBytesPerSecond;
    m_pPane->UpdateProgram(index, program, FALSE);
    m_log.Add(L"host: program " + Number(index) + L" segment " + Number(program->m_ProgramStart) + L" s + " +
              Number(program->m_TimeOnDevice) + L" s, " + Number(program->m_SizeOnDevice) + L" bytes on the player");
}

// Removed from the last selected program down, so that the indexes still
// to remove keep their meaning.
void CPaneDemo::OnDeleteSelectedPrograms() {
    const long count = m_pPane->GetSelCount();
    if (count <= 0) return;
    std::vector<int> selected(static_cast<size_t>(count), -1);
    m_pPane->GetSelItems(selected.data(), static_cast<int>(count));
    std::sort(selected.rbegin(), selected.rend());
    for (int index : selected)
        if (index >= 0) m_pPane->RemoveProgram(index);
    m_log.Add(L"host: " + Number(count) + L" program(s) deleted from the player");
}
