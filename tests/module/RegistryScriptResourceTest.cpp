// Registry scripts loaded from the module's resources.
#include "module/RegistryScriptResource.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "module/Module.h"

namespace {

TEST(RegistryScriptResource, FailsForAScriptTheModuleDoesNotCarry) {
    MemoryRegistry registry;
    const HRESULT hr =
        RunRegistryScriptResource(Module::Instance(), 9999, L"C:\\Kestrel.dll", registry, RegistryScriptMode::Register);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_EQ(0, registry.WritesSeen());
}

}  // namespace
