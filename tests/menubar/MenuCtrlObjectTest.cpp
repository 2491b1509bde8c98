// The menu bar object: its properties and their refusals, the image list's
// round trip, the owner chain and the thread hooks across the lives of bars
// and owners.
#include "menubar/MenuCtrl.h"
#include "menubar/MenuItemData.h"
#include "menubar/OwnerMap.h"
#include "menubar/ThreadHooks.h"

#include "MenuFixture.h"
#include "support/OwnerWindow.h"

namespace {

ComPtr<IMenuCtrl> NewBar() {
    ComPtr<IMenuCtrl> bar;
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

TEST_F(MenuBarObject, StartsWithDefinedColoursAndKeepsItsOwnerMenuAndImageList) {
    const struct {
        HRESULT (STDMETHODCALLTYPE IMenuCtrl::*get)(OLE_COLOR*);
        int system;
    } colours[] = {{&IMenuCtrl::get_BackColor, COLOR_BTNFACE},
                   {&IMenuCtrl::get_ForeColor, COLOR_BTNTEXT},
                   {&IMenuCtrl::get_MenuColor, COLOR_MENU},
                   {&IMenuCtrl::get_MenuTextColor, COLOR_MENUTEXT}};
    for (const auto& c : colours) {
        OLE_COLOR colour = 1;
        (bar.Get()->*c.get)(&colour);
        EXPECT_EQ(GetSysColor(c.system), colour) << c.system;
    }
    OLE_HANDLE value = 0;
    bar->get_Owner(&value);
    EXPECT_EQ(OleHandle(owner), value);
    bar->put_Owner(value);  // the same owner: nothing changes
    EXPECT_EQ(CMenuCtrl::From(bar.Get()), COwnerMap::Find(owner));
    bar->get_Menu(&value);
    EXPECT_EQ(OleHandle(menu), value);

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

TEST_F(MenuBarObject, SizesItselfToItsItemsAndLaysThemOutAgainWhenTurned) {
    const RECT tools = ItemRect(3);
    long result = 0;
    bar->AutoSize(&result);
    EXPECT_EQ(1, result);
    RECT window{};
    GetClientRect(BarWindow(), &window);
    EXPECT_EQ(tools.right - 3 + 5, window.right);
    EXPECT_EQ(tools.bottom - 3 + 5, window.bottom);
    EXPECT_EQ(-1, SendMessageA(BarWindow(), WM_PRINTCLIENT, 0, PRF_CLIENT));

    bar->put_Orientation(1);
    short orientation = 0;
    bar->get_Orientation(&orientation);
    EXPECT_EQ(1, orientation);
    const RECT up0 = ItemRect(0), up1 = ItemRect(1);
    EXPECT_EQ(up0.bottom, up1.top);
    EXPECT_GT(up0.bottom - up0.top, up0.right - up0.left);  // turned text
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

// The hooks and the owner chain across bars and owners that come and go in
// any order: two bars on one owner, the later one serving; the owner's
// procedure back with the last; a bar that outlives its owner.
TEST(MenuBarLifetimes, HooksAndOwnerChainFollowTheBarsAndOwners) {
    OwnerWindow owner;
    const WNDPROC original = ProcOf(owner.hwnd());
    ComPtr<IMenuCtrl> earlier = NewBar(), later = NewBar();
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

    // The later bar serves the owner's popups: its painter converts them,
    // with its own image table, and puts them back at the loop's end.
    earlier->SetMenuItemImage(ID_OPEN, 1);
    const HMENU file = SubMenuOf(menu, 0);
    SendMessageA(owner.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    const MENUITEMINFOA info = ItemInfo(file, 0);
    const CMenuItemData* record = CMenuItemData::FromItemData(info.dwItemData);
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(-1, record->m_nImage);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    SendMessageA(owner.hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(0u, CMenuItemData::LiveCount());

    // Destroying the later bar hands the owner back to the earlier one and
    // leaves the hooks for it.
    later.Reset();
    EXPECT_FALSE(IsMenu(menu));  // the bar's last menu went with it
    EXPECT_TRUE(MenuThreadHooks::Installed());
    EXPECT_EQ(CMenuCtrl::From(earlier.Get()), COwnerMap::Find(owner.hwnd()));
    EXPECT_EQ(subclassed, ProcOf(owner.hwnd()));
    earlier.Reset();
    EXPECT_EQ(original, ProcOf(owner.hwnd()));
    EXPECT_EQ(nullptr, COwnerMap::Find(owner.hwnd()));
    EXPECT_FALSE(MenuThreadHooks::Installed());

    // A bar whose owner goes first forgets it; destroying the bar later
    // touches nothing.
    ComPtr<IMenuCtrl> survivor = NewBar();
    HWND gone = nullptr;
    {
        OwnerWindow shortLived;
        gone = shortLived.hwnd();
        survivor->put_Owner(OleHandle(gone));
        EXPECT_EQ(CMenuCtrl::From(survivor.Get()), COwnerMap::Find(gone));
    }
    EXPECT_EQ(nullptr, COwnerMap::Find(gone));
    OwnerWindow next;
    survivor->put_Owner(OleHandle(next.hwnd()));
    survivor.Reset();
    EXPECT_EQ(nullptr, COwnerMap::Find(next.hwnd()));
}

// What a screen reader reads of an owner-drawn item: cchWText wide
// characters at pszWText. In a double-byte code page (the suite runs again
// in Japanese) the text converts to fewer wide characters than it has bytes;
// the buffer still holds as many as the count says, and a terminator.
TEST(MenuBarItemText, TheAccessibleCountAndBufferAgree) {
    OwnerWindow owner;
    const ComPtr<IMenuCtrl> bar = NewBar();
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
