// What the module object holds for the rest of the code.
#include "module/Module.h"

#include <gtest/gtest.h>

#include "module/TypeLibRegistration.h"

namespace {

TEST(ModuleObject, IsTheModuleContainingTheCodeWhenNoEntryPointRan) {
    EXPECT_EQ(GetModuleHandleW(nullptr), Module::Instance());
    EXPECT_EQ(GetCurrentThreadId(), Module::Object().LoadingThreadId());
}

TEST(ModuleObject, ReadsTheMenuColoursOfTheSystem) {
    EXPECT_EQ(GetSysColor(COLOR_MENU), Module::Object().MenuColor());
    EXPECT_EQ(GetSysColor(COLOR_MENUTEXT), Module::Object().MenuTextColor());
}

TEST(TypeLibLocation, HelpDirectoryKeepsThePathUpToItsLastSeparator) {
    EXPECT_EQ(L"C:\\Program Files\\Lanthorn\\", HelpDirectoryOf(L"C:\\Program Files\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"Z:/build/x64/", HelpDirectoryOf(L"Z:/build/x64/Kestrel.dll"));
    EXPECT_EQ(L"C:", HelpDirectoryOf(L"C:Kestrel.dll"));
    EXPECT_EQ(L"", HelpDirectoryOf(L"Kestrel.dll"));
}

TEST(TypeLibLocation, FallbackReplacesOnlyTheFileNamesExtension) {
    EXPECT_EQ(L"C:\\Lanthorn\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn\\Kestrel.dll"));
    EXPECT_EQ(L"C:\\Lanthorn 1.2\\Kestrel.tlb", TypeLibFallbackPath(L"C:\\Lanthorn 1.2\\Kestrel"));
}

}  // namespace
