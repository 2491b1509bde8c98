// Where the files built for this test run are, as Windows paths. CTest
// passes them in the environment (see tests/CMakeLists.txt).
#ifndef KESTREL_TESTS_BUILD_PATHS_H
#define KESTREL_TESTS_BUILD_PATHS_H

#include <string>

// The x64 Kestrel.dll.
std::wstring KestrelDllPath();
// The stand-in Grainhold.dll of the samples.
std::wstring GrainholdDllPath();
// The sample host, built beside the DLL in samples/ (the DLL's path may use
// either separator).
std::wstring SampleHostPath();
// The 32-bit type library of the product build; empty when not built.
std::wstring KestrelTypeLib32Path();
// Any variable of the environment; empty when unset.
std::wstring Environment(const wchar_t* name);

#endif
