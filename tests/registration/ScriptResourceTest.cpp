// The registry scripts as the DLL carries them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/KestrelDll.h"
#include "module/RegistryScriptIds.h"
#include "support/BuildPaths.h"

namespace {

std::string ScriptText(HMODULE module, WORD id, LANGID language) {
    HRSRC resource = FindResourceExW(module, L"REGISTRY", MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return "(missing)";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    return std::string(bytes, SizeofResource(module, resource));
}

TEST(RegistryScriptResources, HaveTheSameTextInEnglishFrenchAndGerman) {
    KestrelDll dll(KestrelDllPath());
    ASSERT_TRUE(dll.Loaded());
    for (const WORD id : {WORD(IDR_DEVICETRANSFER), WORD(IDR_MENUCTRL)}) {
        const std::string english = ScriptText(dll.Handle(), id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        EXPECT_NE(std::string::npos, english.find("HKCR")) << "script " << id;
        EXPECT_EQ(english, ScriptText(dll.Handle(), id, MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH))) << "script " << id;
        EXPECT_EQ(english, ScriptText(dll.Handle(), id, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN))) << "script " << id;
    }
}

}  // namespace
