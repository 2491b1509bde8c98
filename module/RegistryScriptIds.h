// Resource numbers of the two registry scripts (type "REGISTRY"); read by
// the resource compiler and by the object map. Hosts' installers have always
// found them under these numbers.
#ifndef KESTREL_REGISTRY_SCRIPT_IDS_H
#define KESTREL_REGISTRY_SCRIPT_IDS_H

#define IDR_DEVICETRANSFER 102
#define IDR_MENUCTRL 110

#endif
