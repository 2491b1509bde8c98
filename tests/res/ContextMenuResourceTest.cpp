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
        m_hMenu.reset(LoadMenuIndirectA(bytes.data()));
        ASSERT_NE(nullptr, m_hMenu.get());
        m_hPopup = GetSubMenu(m_hMenu.get(), 0);
        ASSERT_NE(nullptr, m_hPopup);
    }

    OwnedMenu m_hMenu;
    HMENU m_hPopup = nullptr;
};

TEST_P(ContextMenuResource, OnePopupOffersShowDetailsThenDeleteWithoutADefault) {
    EXPECT_EQ(1, GetMenuItemCount(m_hMenu.get()));
    if (GetParam().language == kEnglish) {
        EXPECT_EQ("Unused", ItemText(m_hMenu.get(), 0));
    }
    ASSERT_EQ(2, GetMenuItemCount(m_hPopup));
    EXPECT_EQ(static_cast<UINT>(ID_PROGRAM_SHOW_DETAILS), GetMenuItemID(m_hPopup, 0));
    EXPECT_EQ(static_cast<UINT>(ID_PROGRAM_DELETE), GetMenuItemID(m_hPopup, 1));
    EXPECT_EQ(Cp1252(GetParam().showDetails), ItemText(m_hPopup, 0));
    EXPECT_EQ(Cp1252(GetParam().deleteItem), ItemText(m_hPopup, 1));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuDefaultItem(m_hPopup, FALSE, 0));
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
