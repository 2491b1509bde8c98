#include "menubar/PopupPainter.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "draw/ColorMath.h"
#include "draw/SolidFill.h"
#include "menubar/BarLayout.h"
#include "menubar/SystemLook.h"

namespace {

constexpr UINT kReadMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
constexpr int kTextBuffer = 256;

// Popup items are painted in the menu colours read when the module loaded,
// or in the system's while high contrast is on (the bar's BackColor plays no
// part in them).
COLORREF MenuBack() { return CurrentMenuLook(CLR_NONE).clrPopup; }
COLORREF MenuText() { return CurrentMenuLook(CLR_NONE).clrPopupText; }

struct CItemRead {
    MENUITEMINFOA info{};
    char text[kTextBuffer] = {};
};

bool ReadItem(HMENU menu, int position, UINT mask, CItemRead& item) {
    item.info.cbSize = sizeof item.info;
    item.info.fMask = mask;
    item.info.dwTypeData = item.text;
    item.info.cch = kTextBuffer;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item.info) != FALSE;
}

void DrawButtonFrame(HDC dc, RECT r, COLORREF colour, bool fSunken) {
    COLORREF dark = AdjustLuminance(colour, -50), light = AdjustLuminance(colour, +50);
    Draw3dRect(dc, r, fSunken ? dark : light, fSunken ? light : dark);
    InflateRect(&r, -1, -1);
    dark = AdjustLuminance(colour, -25);
    light = AdjustLuminance(colour, +25);
    Draw3dRect(dc, r, fSunken ? dark : light, fSunken ? light : dark);
}

void DrawSeparator(HDC dc, const RECT& r, COLORREF colour) {
    const int y = r.top + (r.bottom - r.top) % 2;
    FillSolidRect(dc, r.left, y, r.right - r.left, 1, AdjustLuminance(colour, -250));
    FillSolidRect(dc, r.left, y + 1, r.right - r.left, 1, AdjustLuminance(colour, +250));
}

// `fHidePrefix`: the system says the keyboard cues are hidden (ODS_NOACCEL).
void DrawItemText(HDC dc, RECT r, const std::string& text, COLORREF colour, bool fHidePrefix) {
    const CItemTextParts parts = SplitAtTab(text);
    SetTextColor(dc, colour);
    if (fHidePrefix)
        DrawTextA(dc, WithoutMnemonicMarkers(parts.strLabel).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    else
        DrawTextA(dc, parts.strLabel.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER);
    if (parts.fHasTab && !parts.strLabel.empty())
        DrawTextA(dc, parts.strAccelerator.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

SIZE TextExtent(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

CPopupPainter::~CPopupPainter() { Reset(); }

LRESULT CPopupPainter::WindowProc(WNDPROC forward, HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_DRAWITEM:
            if (DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_MEASUREITEM:
            if (MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_INITMENUPOPUP:
            // Submenus at other positions and window menus stay system-drawn.
            if (lp != 0) break;
            // The owner sees the popup before it is converted.
            CallWindowProcA(forward, hwnd, message, wp, lp);
            ConvertPopup(reinterpret_cast<HMENU>(wp));
            return 0;
        case WM_MENUSELECT:
            if (lp == 0 && HIWORD(wp) == 0xFFFF) RevertAll();
            break;
        case WM_MENUCHAR:
            if (const LRESULT r = OnMenuChar(static_cast<char>(LOBYTE(LOWORD(wp))), reinterpret_cast<HMENU>(lp)))
                return r;
            break;
        default:
            break;
    }
    return CallWindowProcA(forward, hwnd, message, wp, lp);
}

bool CPopupPainter::SetImageList(HIMAGELIST himl) {
    IMAGEINFO info{};
    if (ImageList_GetImageCount(himl) < 1 || !ImageList_GetImageInfo(himl, 0, &info)) return false;
    m_hImageList.Reset();
    m_sizeImage = {info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top};
    m_sizeButton = {m_sizeImage.cx + 4, m_sizeImage.cy + 4};
    // Looked up at run time: older common controls have no ImageList_Duplicate.
    using Duplicate = HIMAGELIST(WINAPI*)(HIMAGELIST);
    const HMODULE comctl = GetModuleHandleA("Comctl32.dll");
    const auto duplicate =
        comctl ? reinterpret_cast<Duplicate>(reinterpret_cast<void*>(GetProcAddress(comctl, "ImageList_Duplicate")))
               : nullptr;
    if (duplicate == nullptr) return false;
    m_hImageList.Reset(duplicate(himl));
    return static_cast<bool>(m_hImageList);
}

void CPopupPainter::ConvertPopup(HMENU hMenu) {
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        CItemRead item;
        if (!ReadItem(hMenu, i, kReadMask, item)) continue;
        MENUITEMINFOA& info = item.info;
        if (info.dwItemData != 0 && CMenuItemData::FromItemData(info.dwItemData) == nullptr) continue;
        if (info.fType & MFT_OWNERDRAW) continue;
        info.fType |= MFT_OWNERDRAW;
        UINT writeMask = MIIM_TYPE;
        CMenuItemData* record = CMenuItemData::FromItemData(info.dwItemData);
        if (record == nullptr) {
            m_vecRecords.push_back(std::make_unique<CMenuItemData>());
            record = m_vecRecords.back().get();
            record->m_fType = info.fType;
            const auto image = m_mapImages.find(static_cast<long>(LOWORD(info.wID)));
            record->m_nImage = image != m_mapImages.end() ? static_cast<int>(image->second) : -1;
            record->m_fState = info.fState;
            info.dwItemData = reinterpret_cast<ULONG_PTR>(record);
            writeMask |= MIIM_DATA;
        }
        record->SetText(item.text);
        if (std::find(m_vecConverted.begin(), m_vecConverted.end(), hMenu) == m_vecConverted.end())
            m_vecConverted.push_back(hMenu);
        info.fMask = writeMask;
        info.dwTypeData = item.text;
        SetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    }
}

void CPopupPainter::RevertPopup(HMENU hMenu) {
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        CItemRead item;
        if (!ReadItem(hMenu, i, kReadMask, item)) continue;
        MENUITEMINFOA& info = item.info;
        CMenuItemData* record = CMenuItemData::FromItemData(info.dwItemData);
        if (record == nullptr) continue;
        UINT writeMask = 0;
        if (info.fType & MFT_OWNERDRAW) {
            info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
            const std::string text = record->m_strText.substr(0, kTextBuffer - 1);
            std::copy(text.begin(), text.end(), item.text);
            item.text[text.size()] = '\0';
            info.dwTypeData = item.text;
            info.cch = static_cast<UINT>(text.size());
            writeMask = MIIM_TYPE;
        }
        info.dwItemData = 0;
        info.fMask = writeMask | MIIM_DATA;
        DestroyRecord(record);
        SetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    }
}

void CPopupPainter::RevertAll() {
    while (!m_vecConverted.empty()) {
        const HMENU menu = m_vecConverted.front();
        m_vecConverted.erase(m_vecConverted.begin());
        RevertPopup(menu);
    }
}

void CPopupPainter::DestroyRecord(CMenuItemData* record) {
    m_vecRecords.erase(std::remove_if(m_vecRecords.begin(), m_vecRecords.end(),
                                      [record](const std::unique_ptr<CMenuItemData>& r) { return r.get() == record; }),
                       m_vecRecords.end());
}

HFONT CPopupPainter::FontFor(const CMenuItemData& record) {
    if (!m_hFont || !m_hFontBold) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
        LOGFONTA font = metrics.lfMenuFont;
        font.lfHeight = std::abs(font.lfHeight);
        m_hFont.Reset(CreateFontIndirectA(&font));
        font = metrics.lfMenuFont;
        font.lfWeight = FW_BOLD;
        m_hFontBold.Reset(CreateFontIndirectA(&font));
    }
    return (record.m_fState & MFS_DEFAULT) ? m_hFontBold.Get() : m_hFont.Get();
}

BOOL CPopupPainter::MeasureItem(MEASUREITEMSTRUCT* mis) {
    if (mis == nullptr || mis->CtlType != ODT_MENU) return FALSE;
    const CMenuItemData* record = CMenuItemData::FromItemData(mis->itemData);
    if (record == nullptr) return FALSE;
    if (record->m_fType & MFT_SEPARATOR) {
        mis->itemWidth = 0;
        mis->itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2);
        return TRUE;
    }
    const CWindowDC screen = CWindowDC::Whole(nullptr);
    const CObjectSelection selection(screen.Get(), FontFor(*record));
    SIZE text{};
    const CItemTextParts parts = SplitAtTab(record->m_strText);
    if (parts.fHasTab) {
        const SIZE label = TextExtent(screen.Get(), parts.strLabel);
        const SIZE accelerator = TextExtent(screen.Get(), parts.strAccelerator);
        const SIZE alphabet = TextExtent(screen.Get(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const int average = static_cast<int>(alphabet.cx / 52.0);
        text = {label.cx + accelerator.cx + 4 * average, std::max(label.cy, accelerator.cy)};
    } else {
        text = TextExtent(screen.Get(), record->m_strText);
    }
    mis->itemHeight = static_cast<UINT>(std::max<LONG>(GetSystemMetrics(SM_CYMENU), text.cy));
    mis->itemWidth = static_cast<UINT>(4 * m_sizeButton.cx + text.cx + 2);
    return TRUE;
}

BOOL CPopupPainter::DrawItem(const DRAWITEMSTRUCT* dis) {
    if (dis == nullptr || dis->CtlType != ODT_MENU) return FALSE;
    const CMenuItemData* record = CMenuItemData::FromItemData(dis->itemData);
    if (record == nullptr) return FALSE;
    const HDC dc = dis->hDC;
    const CObjectSelection selection(dc, FontFor(*record));
    RECT rc = dis->rcItem;
    const int height = rc.bottom - rc.top;
    if (record->m_fType & MFT_SEPARATOR) {
        RECT r = rc;
        r.top += height >> 1;
        DrawSeparator(dc, r, MenuBack());
        return TRUE;
    }
    const bool fGrayed = (dis->itemState & ODS_GRAYED) != 0;
    const bool fSelected = (dis->itemState & ODS_SELECTED) != 0;
    const bool fNoAccel = (dis->itemState & ODS_NOACCEL) != 0;
    RECT button{rc.left, rc.top + ((height - m_sizeButton.cy) >> 1), 0, 0};
    button.right = button.left + m_sizeButton.cx;
    button.bottom = button.top + m_sizeButton.cy;
    bool fDrawn = false;
    DrawLeftColumn(dis, *record, button, fDrawn);

    const COLORREF clrBack = fSelected ? GetSysColor(COLOR_HIGHLIGHT) : MenuBack();
    if (fSelected || dis->itemAction == ODA_SELECT) {
        RECT fill = rc;
        if (fDrawn) fill.left += m_sizeButton.cx;
        FillSolidRect(dc, fill, clrBack);
    }
    RECT text = rc;
    text.left = rc.left + m_sizeButton.cx + 2;
    text.right = rc.right - m_sizeButton.cx;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);
    const COLORREF clrGray = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF colour = fGrayed ? clrGray : fSelected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : MenuText();
    if (fGrayed && (!fSelected || clrGray == clrBack)) {
        RECT shifted = text;
        OffsetRect(&shifted, 1, 1);
        DrawItemText(dc, shifted, record->m_strText, GetSysColor(COLOR_3DHILIGHT), fNoAccel);
    }
    DrawItemText(dc, text, record->m_strText, colour, fNoAccel);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return TRUE;
}

void CPopupPainter::DrawLeftColumn(const DRAWITEMSTRUCT* dis, const CMenuItemData& record, const RECT& button,
                                   bool& fDrawn) {
    const HDC dc = dis->hDC;
    const bool fChecked = (dis->itemState & ODS_CHECKED) != 0;
    const bool fGrayed = (dis->itemState & ODS_GRAYED) != 0;
    const bool fSelected = (dis->itemState & ODS_SELECTED) != 0;
    if (record.m_nImage >= 0) {
        const int x = button.left + ((button.right - button.left - m_sizeImage.cx) >> 1);
        const int y = button.top + ((button.bottom - button.top - m_sizeImage.cy) >> 1);
        if (fGrayed) {
            DrawDisabledImage(dc, record.m_nImage, x, y);
        } else {
            FillSolidRect(dc, button, fChecked && !fSelected ? AdjustLuminance(MenuBack(), +250) : MenuBack());
            if (fSelected || fChecked) DrawButtonFrame(dc, button, MenuBack(), fChecked);
            ImageList_Draw(m_hImageList.Get(), record.m_nImage, dc, x, y, ILD_TRANSPARENT);
        }
        fDrawn = true;
        return;
    }
    MENUITEMINFOA marks{};
    marks.cbSize = sizeof marks;
    marks.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoA(reinterpret_cast<HMENU>(dis->hwndItem), dis->itemID, FALSE, &marks);
    if (fChecked) {
        DrawCheckMark(dc, button, fSelected, marks.hbmpChecked);
        fDrawn = true;
    } else if (marks.hbmpUnchecked != nullptr) {
        DrawCheckMark(dc, button, fSelected, marks.hbmpUnchecked);
        fDrawn = true;
    }
}

void CPopupPainter::DrawCheckMark(HDC dc, const RECT& button, bool fSelected, HBITMAP bitmap) {
    GdiObject<HBITMAP> system;
    if (bitmap == nullptr) {
        system.Reset(LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECK)));
        bitmap = system.Get();
    }
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    const int width = button.right - button.left, height = button.bottom - button.top;
    const int dx = (width - info.bmWidth) / 2, dy = (height - info.bmHeight) / 2;
    const bool fWider = width > info.bmWidth;
    RECT target = fWider ? RECT{button.left + dx, button.top + dy, button.left + dx + info.bmWidth,
                                button.top + dy + info.bmHeight}
                         : button;
    const POINT source = fWider ? POINT{0, 0} : POINT{-dx, -dy};
    const COLORREF oldBack =
        SetBkColor(dc, fSelected ? AdjustLuminance(MenuBack(), +250) : static_cast<ColorRef>(MenuBack()));
    {
        const CMemoryDC memory(dc);
        const CObjectSelection selection(memory.Get(), bitmap);
        BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, memory.Get(),
               source.x, source.y, SRCCOPY);
    }
    SetBkColor(dc, oldBack);
    if (fWider) InflateRect(&target, 1, 1);
    DrawButtonFrame(dc, target, MenuBack(), true);
}

void CPopupPainter::DrawDisabledImage(HDC dc, int nIndex, int x, int y) {
    IMAGEINFO info{};
    if (!ImageList_GetImageInfo(m_hImageList.Get(), 0, &info)) return;
    const int w = info.rcImage.right - info.rcImage.left, h = info.rcImage.bottom - info.rcImage.top;
    const CMemoryDC memory(dc);
    const GdiObject<HBITMAP> mask(CreateBitmap(w, h, 1, 1, nullptr));
    const CObjectSelection maskSelection(memory.Get(), mask.Get());
    PatBlt(memory.Get(), 0, 0, w, h, WHITENESS);
    ImageList_Draw(m_hImageList.Get(), nIndex, memory.Get(), 0, 0, ILD_TRANSPARENT);
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    // Paints the brush where the mask is black, leaves the target where it is white.
    constexpr DWORD kBrushWhereBlack = 0x00B8074A;
    {
        const GdiObject<HBRUSH> light(CreateSolidBrush(GetSysColor(COLOR_3DHILIGHT)));
        const CObjectSelection brush(dc, light.Get());
        BitBlt(dc, x + 1, y + 1, w, h, memory.Get(), 0, 0, kBrushWhereBlack);
    }
    {
        const GdiObject<HBRUSH> shadow(CreateSolidBrush(GetSysColor(COLOR_3DSHADOW)));
        const CObjectSelection brush(dc, shadow.Get());
        BitBlt(dc, x, y, w, h, memory.Get(), 0, 0, kBrushWhereBlack);
    }
    SetBkColor(dc, oldBack);
}

LRESULT CPopupPainter::OnMenuChar(char ch, HMENU hMenu) {
    int hilite = -1;
    std::vector<int> matches;
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        CItemRead item;
        if (!ReadItem(hMenu, i, MIIM_STATE | MIIM_TYPE | MIIM_DATA, item)) continue;
        const CMenuItemData* record = CMenuItemData::FromItemData(item.info.dwItemData);
        if ((item.info.fType & MFT_OWNERDRAW) && record != nullptr && HasMnemonic(record->m_strText, ch))
            matches.push_back(i);
        if (item.info.fState & MFS_HILITE) hilite = i;
    }
    return static_cast<LRESULT>(ChooseMenuCharResult(matches, hilite));
}

void CPopupPainter::Reset() {
    // Popups still converted (the loop's end never reached the painter, or
    // their menu is no longer the bar's) get their items back before the
    // records their item data points at go.
    RevertAll();
    m_hImageList.Reset();
    m_mapImages.clear();
    m_sizeImage = m_sizeButton = SIZE{0, 0};
    m_hFont.Reset();
    m_hFontBold.Reset();
    m_vecConverted.clear();
    m_vecRecords.clear();
}
