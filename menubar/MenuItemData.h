// The record attached to each popup item that the painter draws itself. It
// begins with the Active Accessibility header for owner-drawn menu items,
// so that screen readers can still read the item's text.
#ifndef KESTREL_MENU_ITEM_DATA_H
#define KESTREL_MENU_ITEM_DATA_H

#include <windows.h>
#include <oleacc.h>

#include <cstddef>
#include <string>

struct CMenuItemData {
    // MSAAMENUINFO
    DWORD dwMSAASignature = MSAA_MENU_SIG;
    DWORD cchWText = 0;
    LPWSTR pszWText = nullptr;  // points into m_wstrText

    std::string m_strText;  // label, optionally a tab and an accelerator text
    UINT m_fType = 0;       // with MFT_OWNERDRAW
    int m_nImage = -1;
    UINT m_fState = 0;
    std::wstring m_wstrText;  // cchWText wide characters and a terminator

    CMenuItemData();
    ~CMenuItemData();
    CMenuItemData(const CMenuItemData&) = delete;
    CMenuItemData& operator=(const CMenuItemData&) = delete;

    void SetText(const std::string& text);

    // The record behind an item's data: non-null, signed, and alive.
    static CMenuItemData* FromItemData(ULONG_PTR data);
    // Number of records alive in the process.
    static size_t LiveCount();
};

static_assert(offsetof(CMenuItemData, dwMSAASignature) == offsetof(MSAAMENUINFO, dwMSAASignature), "MSAA header");
static_assert(offsetof(CMenuItemData, cchWText) == offsetof(MSAAMENUINFO, cchWText), "MSAA header");
static_assert(offsetof(CMenuItemData, pszWText) == offsetof(MSAAMENUINFO, pszWText), "MSAA header");
#ifndef _WIN64
static_assert(offsetof(CMenuItemData, pszWText) == 8, "MSAA header layout (i686)");
#endif

#endif
