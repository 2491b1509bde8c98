// CEventArguments: the arguments of one event, given in parameter order and
// kept as DISPPARAMS wants them, the last parameter at index 0.
//
//   CEventArguments args;
//   args.AnsiText(document).Bool(byUser);   // rgvarg[0] is the flag
//   frame.FireEvent(DIID__IDeviceTransferEvents, DISPID_OnProgramDetailes, args);
//
// Pointers travel as integers of the pointer's size (VT_I4 in the 32-bit
// build, VT_I8 in x64) with no reference added: a sink may use them, and
// write through them, only during the call.
#ifndef KESTREL_EVENT_ARGUMENTS_H
#define KESTREL_EVENT_ARGUMENTS_H

#include <windows.h>
#include <oleauto.h>

#include <cstddef>

class CEventArguments {
  public:
    // No event of either control takes more; further arguments are dropped.
    static constexpr std::size_t kMaxArguments = 8;

    CEventArguments() = default;
    ~CEventArguments();
    CEventArguments(const CEventArguments&) = delete;
    CEventArguments& operator=(const CEventArguments&) = delete;

    CEventArguments& Int(LONG value);     // VT_I4
    CEventArguments& Short(SHORT value);  // VT_I2
    CEventArguments& Bool(bool value);    // VT_BOOL, VARIANT_TRUE or VARIANT_FALSE
    CEventArguments& Pointer(const void* address);
    CEventArguments& AnsiText(const char* text);  // VT_BSTR; null gives ""

    std::size_t Count() const { return m_count; }
    // Valid while this object lives and no argument is added.
    DISPPARAMS* Params();

  private:
    // Makes room at index 0 for the newest (so far last) parameter.
    VARIANT* PushFront();

    VARIANT m_args[kMaxArguments];  // the first m_count are set, by PushFront
    std::size_t m_count = 0;
    DISPPARAMS m_params = {};
};

#endif
