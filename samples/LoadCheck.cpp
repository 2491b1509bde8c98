// Loads Kestrel.dll as COM would (LoadLibrary) and prints where each of its
// four entry points is.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "Kestrel.dll";
    HMODULE dll = LoadLibraryA(path);
    if (dll == nullptr) {
        std::printf("LoadLibrary(%s) failed: error %lu\n", path, GetLastError());
        return 1;
    }
    char loaded[MAX_PATH] = "";
    GetModuleFileNameA(dll, loaded, MAX_PATH);
    std::printf("Loaded %s\n", loaded);

    int missing = 0;
    for (const char* name : {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}) {
        const FARPROC entry = GetProcAddress(dll, name);
        std::printf("  %-20s %s\n", name, entry != nullptr ? "exported" : "MISSING");
        missing += entry == nullptr;
    }
    FreeLibrary(dll);
    return missing == 0 ? 0 : 1;
}
