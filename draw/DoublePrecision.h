// Functions whose results are truncated to integers are marked with
// KESTREL_DOUBLE_PRECISION. On i686 GCC evaluates double expressions on the
// x87 unit with 64-bit mantissas, and some colours and drag positions then
// truncate one step away from the result of true double arithmetic (the x64
// build, and the platform's own compilers, which run the x87 unit at 53
// bits). The marked functions use SSE2 doubles in both builds.
#ifndef KESTREL_DOUBLE_PRECISION_H
#define KESTREL_DOUBLE_PRECISION_H

#if defined(__i386__) && defined(__GNUC__)
#define KESTREL_DOUBLE_PRECISION __attribute__((target("sse2,fpmath=sse")))
#else
#define KESTREL_DOUBLE_PRECISION
#endif

#endif
