#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Resource {
    LPCSTR type;
    LPCSTR name;
    const char* what;
    bool holdsText;
};

// String table blocks hold sixteen strings each: 101-111 are in block 7,
// 112-127 in block 8, 128-130 in block 9.
const std::vector<Resource> kResources = {
    {RT_STRING, MAKEINTRESOURCEA(IDS_FIRST / 16 + 1), "strings 101-111", true},
    {RT_STRING, MAKEINTRESOURCEA(IDS_FIRST / 16 + 2), "strings 112-127", true},
    {RT_STRING, MAKEINTRESOURCEA(IDS_LAST / 16 + 1), "strings 128-130", true},
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_SEGMENT), "segment dialog", true},
    {RT_MENU, MAKEINTRESOURCEA(IDR_PROGRAM_MENU), "context menu", true},
    {MAKEINTRESOURCEA(23), MAKEINTRESOURCEA(IDH_SEGMENT_DETAILS), "segment details", true},
    {MAKEINTRESOURCEA(23), MAKEINTRESOURCEA(IDH_FILE_INFORMATION), "file information", true},
    {RT_BITMAP, MAKEINTRESOURCEA(IDB_USED_SWATCH), "used swatch", false},
    {RT_BITMAP, MAKEINTRESOURCEA(IDB_FREE_SWATCH), "free swatch", false},
    {RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_DEFAULT_DEVICE), "device icon", false},
    {RES_TYPE_IMAGE, RES_LIST_BACKGROUND, "list background", false},
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::set<LANGID>*>(languages)->insert(language);
    return TRUE;
}

TEST(ResourceLanguages, EveryResourceExistsInEnglishFrenchAndGermanOnly) {
    const std::set<LANGID> expected(kLanguages.begin(), kLanguages.end());
    for (const Resource& resource : kResources) {
        std::set<LANGID> found;
        EnumResourceLanguagesA(Module::Instance(), resource.type, resource.name, CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&found));
        EXPECT_EQ(expected, found) << resource.what;
    }
}

TEST(ResourceLanguages, LoaderPicksTheUserInterfaceLanguage) {
    for (const Resource& resource : kResources) {
        EXPECT_TRUE(ResourceBytes(resource.type, resource.name) ==
                    ResourceBytes(resource.type, resource.name, LanguageInForce()))
            << resource.what << " is not the " << LanguageName(LanguageInForce()) << " one";
    }
}

TEST(ResourceLanguages, TranslationsDifferWhereTheyHoldText) {
    for (const Resource& resource : kResources) {
        if (!resource.holdsText) continue;
        const std::string english = ResourceBytes(resource.type, resource.name, kEnglish);
        EXPECT_FALSE(english == ResourceBytes(resource.type, resource.name, kFrench)) << resource.what;
        EXPECT_FALSE(english == ResourceBytes(resource.type, resource.name, kGerman)) << resource.what;
    }
}

}  // namespace
