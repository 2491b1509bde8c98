// The DeviceTransfer control (the device pane).
#ifndef KESTREL_DEVICE_TRANSFER_H
#define KESTREL_DEVICE_TRANSFER_H

#include <windows.h>
#include <unknwn.h>

// Instance creator of the object map: a new device pane, asked for `iid`.
// The pane cannot be aggregated: a non-null `outer` gives CLASS_E_NOAGGREGATION.
HRESULT CreateDeviceTransfer(IUnknown* outer, REFIID iid, void** ppv);

#endif
