// What a host that stopped answering was doing: each of its threads with
// its windows (class, title, shown, enabled) and its input state (menu
// mode, move or size loop, capture, focus), the last lines of its event
// log and every thread's stack as the debugger sees it.
#ifndef KESTREL_TESTS_SOAK_HANG_REPORT_H
#define KESTREL_TESTS_SOAK_HANG_REPORT_H

#include <string>

#include "support/HostProcess.h"

std::string DescribeHang(const CHostProcess& host);

#endif
