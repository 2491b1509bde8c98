// Wall-clock time of one piece of work, for the benchmarks' ratios.
#ifndef KESTREL_BENCH_STOPWATCH_H
#define KESTREL_BENCH_STOPWATCH_H

#include <windows.h>

template <class Work>
double Seconds(Work work) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&stop);
    return double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

#endif
