#include "menubar/BarPainter.h"

#include "draw/ColorMath.h"
#include "draw/OffscreenBuffer.h"
#include "draw/SolidFill.h"

namespace {

// A turned font cannot go through DrawText's alignment: the text is placed
// by hand, centred across the item and starting 3 pixels above its bottom,
// running upwards. Mnemonic markers are dropped rather than underlined.
void DrawVerticalText(HDC dc, const std::string& text, const RECT& r) {
    const std::string shown = WithoutMnemonicMarkers(text);
    SIZE size{};
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    const int x = r.left + (r.right - r.left - size.cy) / 2;
    const int y = r.bottom - 3;
    TextOutA(dc, x, y, shown.c_str(), static_cast<int>(shown.size()));
}

}  // namespace

CBarStyle PlainBarStyle(COLORREF clrBack) {
    CSystemMenuColours system;
    system.clrMenuText = GetSysColor(COLOR_MENUTEXT);
    return CBarStyle{ChooseMenuLook(false, clrBack, 0, 0, system), false};
}

void PaintBar(HDC dc, const RECT& client, const std::vector<CBarItem>& items, int nHotItem, COLORREF clrBack,
              bool fVertical) {
    PaintBar(dc, client, items, nHotItem, PlainBarStyle(clrBack), fVertical);
}

void PaintBar(HDC dc, const RECT& client, const std::vector<CBarItem>& items, int nHotItem, const CBarStyle& style,
              bool fVertical) {
    const int width = client.right - client.left, height = client.bottom - client.top;
    const auto paint = [&](HDC target) {
        FillSolidRect(target, 0, 0, width, height, style.look.clrBar);
        for (size_t i = 0; i < items.size(); ++i)
            DrawBarItem(items[i], target, static_cast<int>(i) == nHotItem, false, style, fVertical);
    };
    // A metafile records the drawing itself: there is nothing to buffer.
    COffscreenBuffer buffer(dc, width, height);
    if (GetDeviceCaps(dc, TECHNOLOGY) == DT_METAFILE || !buffer) {
        const bool fMoved = client.left != 0 || client.top != 0;
        if (fMoved) OffsetWindowOrgEx(dc, -client.left, -client.top, nullptr);
        paint(dc);
        if (fMoved) OffsetWindowOrgEx(dc, client.left, client.top, nullptr);
        return;
    }
    paint(buffer.Get());
    buffer.CopyTo(dc, client.left, client.top);
}

void DrawBarItem(const CBarItem& item, HDC dc, bool fHot, bool fPressed, COLORREF clrBack, bool fVertical) {
    DrawBarItem(item, dc, fHot, fPressed, PlainBarStyle(clrBack), fVertical);
}

void DrawBarItem(const CBarItem& item, HDC dc, bool fHot, bool fPressed, const CBarStyle& style, bool fVertical) {
    RECT r = ToRect(item.m_rcItem);
    const CMenuLook& look = style.look;
    const COLORREF clrBack = fHot ? look.clrHotBar : look.clrBar;
    COLORREF clrTopLeft = clrBack, clrBottomRight = clrBack;
    if (fHot && fPressed) {
        if (!look.fFlat) {
            clrTopLeft = AdjustLuminance(clrBack, -50);
            clrBottomRight = AdjustLuminance(clrBack, +50);
        }
        OffsetRect(&r, 2, 2);
    } else if (fHot && !look.fFlat) {
        clrTopLeft = AdjustLuminance(clrBack, +250);
        clrBottomRight = AdjustLuminance(clrBack, -250);
    }
    FillSolidRect(dc, r, clrBack);
    Draw3dRect(dc, r, clrTopLeft, clrBottomRight);

    const GdiObject<HFONT> font = CreateBarFont(fVertical);
    const CObjectSelection selection(dc, font.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, fHot ? look.clrHotBarText : look.clrBarText);
    if (fVertical) {
        DrawVerticalText(dc, item.m_strText, r);
    } else {
        // No DT_SINGLELINE: centred across, from the top of the item.
        if (style.fHideMnemonics)
            DrawTextA(dc, WithoutMnemonicMarkers(item.m_strText).c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        else
            DrawTextA(dc, item.m_strText.c_str(), -1, &r, DT_CENTER | DT_VCENTER);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}
