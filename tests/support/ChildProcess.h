// Runs a program to its end and collects what it writes on its standard
// output and error, for the tests that drive a whole process (regsvr32,
// cscript, the sample host).
#ifndef KESTREL_TESTS_CHILD_PROCESS_H
#define KESTREL_TESTS_CHILD_PROCESS_H

#include <windows.h>

#include <string>

#include "support/ScopedHandle.h"

struct CChildRun {
    DWORD exitCode = ~DWORD(0);  // also when it did not start or did not end in time
    std::string output;          // trailing line ends removed
};

CChildRun RunChild(std::wstring commandLine, const std::wstring& directory = {}, DWORD timeoutMs = 120000);

#endif
