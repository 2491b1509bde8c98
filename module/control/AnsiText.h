// Text crosses the COM boundary as UTF-16 (BSTR); inside the module it is
// 8-bit, in the ANSI code page.
#ifndef KESTREL_ANSI_TEXT_H
#define KESTREL_ANSI_TEXT_H

#include <windows.h>
#include <oleauto.h>

// A new BSTR holding `text` converted from the ANSI code page; a null
// `text` gives an empty string. Null only when memory runs out.
BSTR BstrFromAnsi(const char* text);

#endif
