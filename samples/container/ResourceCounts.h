// The process's GDI objects, USER objects, kernel handles and heap use, for
// a test or a benchmark that repeats a control's life many times and wants
// no growth. Messages waiting for this thread are dispatched first.
#ifndef KESTREL_CONTAINER_RESOURCE_COUNTS_H
#define KESTREL_CONTAINER_RESOURCE_COUNTS_H

#include <string>

struct CResourceCounts {
    long long gdi = 0, user = 0, handles = 0, heapBytes = 0, heapBlocks = 0;

    static CResourceCounts Now();
    std::string Text() const;
};

#endif
