#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "module/RegistryScriptIds.h"
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
    {"REGISTRY", MAKEINTRESOURCEA(IDR_DEVICETRANSFER), "device pane registry script", false},
    {"REGISTRY", MAKEINTRESOURCEA(IDR_MENUCTRL), "menu bar registry script", false},
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::set<LANGID>*>(languages)->insert(language);
    return TRUE;
}

// Every resource in English, French and German only, the one of the user
// interface language loaded; translations differ where they hold text, and
// pictures and registry scripts are the same file in every language (the
// icon's group names its images by number: PictureResourceTest compares the
// image).
TEST(ResourceLanguages, EveryResourceExistsInEnglishFrenchAndGermanAndTheLoaderPicksTheOneInForce) {
    const std::set<LANGID> expected(kLanguages.begin(), kLanguages.end());
    for (const Resource& resource : kResources) {
        SCOPED_TRACE(resource.what);
        std::set<LANGID> found;
        EnumResourceLanguagesA(Module::Instance(), resource.type, resource.name, CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&found));
        EXPECT_EQ(expected, found);
        EXPECT_TRUE(ResourceBytes(resource.type, resource.name) ==
                    ResourceBytes(resource.type, resource.name, LanguageInForce()))
            << "not the " << LanguageName(LanguageInForce()) << " one";
        const std::string english = ResourceBytes(resource.type, resource.name, kEnglish);
        for (LANGID language : {kFrench, kGerman}) {
            if (resource.holdsText) {
                EXPECT_FALSE(english == ResourceBytes(resource.type, resource.name, language))
                    << LanguageName(language);
            } else if (resource.type != RT_GROUP_ICON) {
                EXPECT_TRUE(english == ResourceBytes(resource.type, resource.name, language)) << LanguageName(language);
            }
        }
    }
}

}  // namespace
