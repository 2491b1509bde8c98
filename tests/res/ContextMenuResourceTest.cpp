#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MenuTexts {
    LANGID language;
    const char* showDetails;
    const char* deleteItem;
};

const MenuTexts kMenuTexts[] = {
    {kEnglish, "&Show Details", "&Delete"},
    {kFrench, "Afficher les détail&s", "Sup&primer"},
    {kGerman, "&Details anzeigen", "&Löschen"},
};

std::string ItemText(HMENU menu, UINT position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class ContextMenuResource : public testing::TestWithParam<MenuTexts> {
  protected:
    void SetUp() override {
        const std::string bytes = ResourceBytes(RT_MENU, MAKEINTRESOURCEA(IDR_PROGRAM_MENU), GetParam().language);
        ASSERT_FALSE(bytes.empty()) << "no menu in " << LanguageName(GetParam().language);
        menu_.reset(LoadMenuIndirectA(bytes.data()));
        ASSERT_NE(nullptr, menu_.get());
        popup_ = GetSubMenu(menu_.get(), 0);
        ASSERT_NE(nullptr, popup_);
    }

    OwnedMenu menu_;
    HMENU popup_ = nullptr;
};

TEST_P(ContextMenuResource, FirstPopupOffersShowDetailsThenDelete) {
    ASSERT_EQ(2, GetMenuItemCount(popup_));
    EXPECT_EQ(static_cast<UINT>(ID_PROGRAM_SHOW_DETAILS), GetMenuItemID(popup_, 0));
    EXPECT_EQ(static_cast<UINT>(ID_PROGRAM_DELETE), GetMenuItemID(popup_, 1));
    EXPECT_EQ(Cp1252(GetParam().showDetails), ItemText(popup_, 0));
    EXPECT_EQ(Cp1252(GetParam().deleteItem), ItemText(popup_, 1));
}

TEST_P(ContextMenuResource, DeclaresNoDefaultItem) {
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuDefaultItem(popup_, FALSE, 0));
}

TEST_P(ContextMenuResource, HoldsOnlyTheOnePopup) {
    EXPECT_EQ(1, GetMenuItemCount(menu_.get()));
    if (GetParam().language == kEnglish) {
        EXPECT_EQ("Unused", ItemText(menu_.get(), 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ContextMenuResource, testing::ValuesIn(kMenuTexts),
                         [](const testing::TestParamInfo<MenuTexts>& info) {
                             return LanguageName(info.param.language);
                         });

TEST(ContextMenuLoading, LoadMenuGivesTheTextsOfTheLanguageInForce) {
    OwnedMenu menu(LoadMenuA(Module::Instance(), MAKEINTRESOURCEA(IDR_PROGRAM_MENU)));
    ASSERT_NE(nullptr, menu.get());
    for (const MenuTexts& texts : kMenuTexts) {
        if (texts.language != LanguageInForce()) continue;
        EXPECT_EQ(Cp1252(texts.showDetails), ItemText(GetSubMenu(menu.get(), 0), 0));
    }
}

}  // namespace
