// What the module object holds for the rest of the code, and the scripts
// it carries.
#include "module/Module.h"
#include "module/RegistryScriptResource.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "module/TypeLibRegistration.h"

namespace {

TEST(ModuleObject, IsTheModuleContainingTheCodeWhenNoEntryPointRanAndReadsTheSystemsMenuColours) {
    EXPECT_EQ(GetModuleHandleW(nullptr), Module::Instance());
    EXPECT_EQ(GetCurrentThreadId(), Module::Object().LoadingThreadId());
    EXPECT_EQ(GetSysColor(COLOR_MENU), Module::Object().MenuColor());
    EXPECT_EQ(GetSysColor(COLOR_MENUTEXT), Module::Object().MenuTextColor());
}

// The entry point's work (DllMain passes every notification on), on a
// module object of its own.
TEST(ModuleEntryPoint, AnswersTrueKeepsServingWhenInitialisationFailsAndReleasesItsClassObjectsAtDetach) {
    CModule module;
    const HINSTANCE before = module.Instance();
    EXPECT_EQ(E_INVALIDARG, module.Init(nullptr));
    for (const DWORD reason : {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH})
        EXPECT_EQ(TRUE, module.OnEntryPoint(nullptr, reason)) << "reason " << reason;
    EXPECT_EQ(before, module.Instance());
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(S_OK, module.GetClassObject(CLSID_DeviceTransfer, IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
    EXPECT_EQ(TRUE, module.OnEntryPoint(nullptr, DLL_PROCESS_DETACH));
    EXPECT_EQ(0u, factory.Detach()->Release()) << "the cached class object outlived the detach";
}

TEST(TypeLibLocation, HelpDirectoryKeepsThePathUpToItsLastSeparatorAndFallbackChangesTheExtension) {
    EXPECT_EQ(L"C:\\Program Files\\Lanthorn\\", HelpDirectoryOf(L"C:\\Program Files\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"Z:/build/x64/", HelpDirectoryOf(L"Z:/build/x64/Kestrel.dll"));
    EXPECT_EQ(L"C:", HelpDirectoryOf(L"C:Kestrel.dll"));
    EXPECT_EQ(L"", HelpDirectoryOf(L"Kestrel.dll"));
    // The fallback replaces only the file name's extension.
    EXPECT_EQ(L"C:\\Lanthorn\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"C:\\Lanthorn 1.2\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn 1.2\\Kestrel"));
}

TEST(RegistryScriptResource, FailsForAScriptTheModuleDoesNotCarry) {
    MemoryRegistry registry;
    const HRESULT hr =
        RunRegistryScriptResource(Module::Instance(), 9999, L"C:\\Kestrel.dll", registry, RegistryScriptMode::Register);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_EQ(0, registry.WritesSeen());
}

}  // namespace
