#include "devicepane/PaneSegmentDialog.h"

#include "devicepane/DeviceTransfer.h"
#include "segment/SegmentDialog.h"

#include <new>

namespace {

class CPaneSegmentHost final : public ISegmentDialogHost {
  public:
    explicit CPaneSegmentHost(CDeviceTransfer& pane) : m_pane(pane) {}

    void OnAdjustProgramSegment(int programIndex, CDeviceProgram* program) override {
        m_pane.FireOnAdjustProgramSegment(programIndex, program, true);
    }
    void OnPlayProgramSegment(const char* productId, int startSeconds) override {
        m_pane.FireOnPlayProgramSegment(productId, startSeconds);
    }

  private:
    CDeviceTransfer& m_pane;
};

}  // namespace

HRESULT RunSegmentDialog(CDeviceTransfer& pane, CDeviceProgram* program, int programIndex) {
    if (program == nullptr) return E_POINTER;
    try {
        CPaneSegmentHost host(pane);
        CSegmentDialog dialog(programIndex, program, &host);
        return dialog.DoModal(::GetActiveWindow()) == IDOK ? S_OK : S_FALSE;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
