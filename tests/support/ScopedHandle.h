// A kernel handle closed when it goes out of scope. Both of the API's "no
// handle" values (null, and INVALID_HANDLE_VALUE from CreateFile and the
// Toolhelp snapshots) are left alone.
#ifndef KESTREL_TESTS_SCOPED_HANDLE_H
#define KESTREL_TESTS_SCOPED_HANDLE_H

#include <windows.h>

#include <memory>

struct CHandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using ScopedHandle = std::unique_ptr<void, CHandleCloser>;

#endif
