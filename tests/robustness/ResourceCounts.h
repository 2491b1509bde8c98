// The process's GDI objects, USER objects, kernel handles and heap bytes,
// for a test that repeats a life many times and wants no growth.
#ifndef KESTREL_TESTS_RESOURCE_COUNTS_H
#define KESTREL_TESTS_RESOURCE_COUNTS_H

#include <string>

struct ResourceCounts {
    long long gdi = 0, user = 0, handles = 0, heapBytes = 0;

    static ResourceCounts Now();
    std::string Text() const;
};

#endif
