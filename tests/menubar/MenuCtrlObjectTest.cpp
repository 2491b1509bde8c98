#include "menubar/MenuCtrl.h"
#include "menubar/MenuItemData.h"
#include "menubar/OwnerMap.h"
#include "menubar/ThreadHooks.h"

#include "MenuFixture.h"
#include "support/OwnerWindow.h"

namespace {

CComPtr<IMenuCtrl> NewBar() {
    CComPtr<IMenuCtrl> bar;
    CreateMenuCtrl(nullptr, IID_IMenuCtrl, reinterpret_cast<void**>(bar.ReleaseAndGetAddressOf()));
    return bar;
}

HIMAGELIST NewImageList(int images) {
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    const HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
    for (int i = 0; i < images; ++i) ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    return list;
}

WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

using MenuBarObject = MenuFixture;

TEST_F(MenuBarObject, KeepsACopyOfTheImageList) {
    const HIMAGELIST two = NewImageList(2), none = NewImageList(0);
    bar->put_ImageList(ImageListValue(two));
    IMAGELIST_HANDLE copy = 0, after = 0;
    bar->get_ImageList(&copy);
    EXPECT_NE(ImageListValue(two), copy);
    ImageList_Destroy(two);
    EXPECT_EQ(2, ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(static_cast<UINT_PTR>(copy))));
    EXPECT_EQ(S_OK, bar->put_ImageList(ImageListValue(none)));  // no images: the copy stays
    bar->get_ImageList(&after);
    EXPECT_EQ(copy, after);
    ImageList_Destroy(none);
}

// The owner's menu messages: a popup opened from the bar has its items
// owner-drawn, but not one carrying the host's own data; a submenu (opened
// at its position in its popup) stays system-drawn; the loop's end puts
// every item back and leaves the host's data.
TEST_F(MenuBarObject, OnlyTheBarsPopupItemsWithoutTheHostsDataAreOwnerDrawn) {
    const HMENU view = SubMenuOf(menu, 2), panes = GetSubMenu(view, 2);
    SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 0);
    SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(panes), 2);
    const struct {
        const char* name;
        HMENU popup;
        UINT position;
        bool fOwnerDrawn;
    } items[] = {
        {"Zoom", view, 0, true}, {"Ruler, the host's data", view, 4, false}, {"Left, submenu", panes, 0, false}};
    for (const auto& item : items) {
        const MENUITEMINFOA info = ItemInfo(item.popup, item.position);
        EXPECT_EQ(item.fOwnerDrawn, (info.fType & MFT_OWNERDRAW) != 0) << item.name;
        EXPECT_EQ(item.fOwnerDrawn, CMenuItemData::FromItemData(info.dwItemData) != nullptr) << item.name;
    }
    EXPECT_EQ(kForeignData, ItemInfo(view, 4).dwItemData);
    // The host measures its own items (DefWindowProc here: 0).
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, ID_RULER, 0, 0, kForeignData};
    EXPECT_EQ(0, SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
    SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_FALSE(ItemInfo(view, 0).fType & MFT_OWNERDRAW);
    EXPECT_EQ(kForeignData, ItemInfo(view, 4).dwItemData);
}

// Two bars on one owner: the later one serves it, the earlier one again once
// the later goes, and the owner's own procedure and the hooks are back with
// the last. (An owner that goes first: the robustness suite's lifetimes.)
TEST(MenuBarLifetimes, HooksAndOwnerChainFollowTheBarsAndOwners) {
    COwnerWindow owner;
    const WNDPROC original = ProcOf(owner.hwnd());
    CComPtr<IMenuCtrl> earlier = NewBar(), later = NewBar();
    ASSERT_TRUE(earlier && later);
    const HMENU menu = CreateTestMenu();
    later->put_Menu(OleHandle(menu));
    EXPECT_TRUE(MenuThreadHooks::Installed());
    earlier->put_Owner(OleHandle(owner.hwnd()));
    const WNDPROC subclassed = ProcOf(owner.hwnd());
    EXPECT_NE(original, subclassed);
    later->put_Owner(OleHandle(owner.hwnd()));
    EXPECT_EQ(subclassed, ProcOf(owner.hwnd()));
    EXPECT_EQ(CMenuCtrl::From(later.Get()), COwnerMap::Find(owner.hwnd()));

    later.Reset();
    EXPECT_FALSE(IsMenu(menu));  // the bar's last menu went with it
    EXPECT_TRUE(MenuThreadHooks::Installed());
    EXPECT_EQ(CMenuCtrl::From(earlier.Get()), COwnerMap::Find(owner.hwnd()));
    EXPECT_EQ(subclassed, ProcOf(owner.hwnd()));
    earlier.Reset();
    EXPECT_EQ(original, ProcOf(owner.hwnd()));
    EXPECT_EQ(nullptr, COwnerMap::Find(owner.hwnd()));
    EXPECT_FALSE(MenuThreadHooks::Installed());
}

// What a screen reader reads of an owner-drawn item: cchWText wide
// characters at pszWText. In a double-byte code page (the suite runs again
// in Japanese) the text converts to fewer wide characters than it has bytes;
// the buffer still holds as many as the count says, and a terminator.
TEST(MenuBarItemText, TheAccessibleCountAndBufferAgree) {
    COwnerWindow owner;
    const CComPtr<IMenuCtrl> bar = NewBar();
    ASSERT_TRUE(bar);
    bar->put_Owner(OleHandle(owner.hwnd()));
    const wchar_t* const texts[] = {
        L"&Open...\tCtrl+O",
        L"\x30D5\x30A1\x30A4\x30EB(&F)",  // "File" in katakana: two bytes a character in Japanese
        L"\x958B\x304F\tCtrl+\x00C4",
    };
    const HMENU popup = CreatePopupMenu();
    std::vector<std::string> ansi;
    for (const wchar_t* text : texts) {
        char bytes[64] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
        ansi.emplace_back(bytes);
        AppendMenuA(popup, MF_STRING, 100 + ansi.size(), bytes);
    }
    SendMessageA(owner.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    for (size_t i = 0; i < ansi.size(); ++i) {
        const MENUITEMINFOA info = ItemInfo(popup, static_cast<UINT>(i));
        const CMenuItemData* record = CMenuItemData::FromItemData(info.dwItemData);
        ASSERT_NE(nullptr, record) << i;
        const auto* header = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
        EXPECT_EQ(ansi[i].size(), header->cchWText) << i;
        ASSERT_GE(record->m_wstrText.size(), header->cchWText) << i << ": the buffer is shorter than its count";
        std::wstring expected(header->cchWText + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, ansi[i].data(), static_cast<int>(ansi[i].size()), expected.data(),
                            static_cast<int>(header->cchWText));
        EXPECT_EQ(expected, std::wstring(header->pszWText, header->pszWText + header->cchWText + 1)) << i;
    }
    SendMessageA(owner.hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    DestroyMenu(popup);
}

}  // namespace
