// How the sample's log pane writes an event: the control, the DISPID, the
// event's name and its arguments in parameter order, e.g.
//   DeviceTransfer event 6 OnProgramDetailes("<html>...", true)
#ifndef KESTREL_SAMPLES_EVENT_TEXT_H
#define KESTREL_SAMPLES_EVENT_TEXT_H

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "container/EventSink.h"

using CEventNamer = const wchar_t* (*)(DISPID dispid);

// "?" for a DISPID that the control does not fire.
const wchar_t* DeviceTransferEventName(DISPID dispid);
const wchar_t* MenuCtrlEventName(DISPID dispid);

// One argument: integers in decimal (pointer-sized VT_I8 in hexadecimal),
// booleans as true/false, strings quoted and cut after 60 characters.
std::wstring DescribeArgument(const VARIANT& value);
std::wstring DescribeEvent(const wchar_t* control, CEventNamer names, const CRecordedEvent& event);

#endif
