// Registry-script text, as a damaged resource could hold it, expanded,
// parsed and run in both modes against a registry held in memory. A script
// that registers must leave the same keys when it registers again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "module/MemoryRegistry.h"
#include "module/RegistryScriptText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The module widens its 8-bit scripts; each byte stands for one character here.
    const std::wstring text(data, data + size);
    const std::wstring modulePath = L"C:\\O'Brien\\50%\\Kestrel.dll";
    CMemoryRegistry registry;
    if (RunRegistryScriptText(text, modulePath, registry, RegistryScriptMode::Register) != S_OK) return 0;
    const RegistryContents once = registry.contents;
    if (RunRegistryScriptText(text, modulePath, registry, RegistryScriptMode::Register) != S_OK ||
        registry.contents != once)
        __builtin_trap();
    RunRegistryScriptText(text, modulePath, registry, RegistryScriptMode::Unregister);
    return 0;
}
