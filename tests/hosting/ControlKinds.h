// The two controls as a host knows them, for tests that run for each.
#ifndef KESTREL_TESTS_HOSTING_CONTROL_KINDS_H
#define KESTREL_TESTS_HOSTING_CONTROL_KINDS_H

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

struct ControlKind {
    const char* name;
    TestContainer::Creator creator;
    const wchar_t* progId;
    const wchar_t* windowClass;
    IID identity;  // an interface only this control answers
};

inline const ControlKind kDeviceTransfer{"DeviceTransfer", CreateDeviceTransfer, L"Tessaly.DeviceTransfer.1",
                                         L"Lanthorn DeviceView", IID_IDeviceTransfer};
inline const ControlKind kMenuCtrl{"MenuCtrl", CreateMenuCtrl, L"Menu.id", L"Menu Control class", IID_IMenuCtrl};

inline std::ostream& operator<<(std::ostream& out, const ControlKind& kind) { return out << kind.name; }

inline std::string ControlKindName(const testing::TestParamInfo<ControlKind>& info) { return info.param.name; }

#endif
