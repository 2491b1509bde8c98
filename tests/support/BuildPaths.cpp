#include "support/BuildPaths.h"

#include <windows.h>

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(value, length) : std::wstring();
}

std::wstring KestrelDllPath() { return Environment(L"KESTREL_DLL"); }
std::wstring KestrelTypeLib32Path() { return Environment(L"KESTREL_TLB32"); }
std::wstring GrainholdDllPath() { return Environment(L"KESTREL_GRAINHOLD"); }

std::wstring SampleHostPath() {
    const std::wstring dll = KestrelDllPath();
    return dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"samples\\SampleHost.exe";
}
