// The pane as an OLE drop target. It interprets nothing: each call of the
// drag loop goes to the host as an event, with the address of the effect
// value, through which the host answers. QueryInterface does not offer it;
// only the system's drag-and-drop registration holds it.
#ifndef KESTREL_PANE_DROP_TARGET_H
#define KESTREL_PANE_DROP_TARGET_H

#include <windows.h>
#include <ole2.h>

#include "module/control/FramePart.h"

class CDeviceTransfer;

class CPaneDropTarget final : public CFramePart<IDropTarget> {
  public:
    explicit CPaneDropTarget(CDeviceTransfer& pane);
    ~CPaneDropTarget();

    // From the window's creation to its destruction. Without OLE on the
    // thread the pane is simply no drop target.
    void Register(HWND window);
    void Revoke();

    STDMETHODIMP DragEnter(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect) override;

  private:
    CDeviceTransfer& m_pane;
    HWND m_hWndRegistered = nullptr;
};

#endif
