// CPopupPainter: draws the items of the bar's popups itself. Through the
// owner window's subclass procedure it sees the menu messages of every
// popup that opens: it turns the popup's items into owner-drawn items with
// a record each, measures and draws them (images from its own copy of the
// host's image list, check marks, grayed looks, separators, a right-aligned
// accelerator column, the default item in bold), answers mnemonic keys, and
// puts every item back when the menu loop ends.
#ifndef KESTREL_POPUP_PAINTER_H
#define KESTREL_POPUP_PAINTER_H

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "draw/GdiHandles.h"
#include "menubar/MenuHandles.h"
#include "menubar/MenuItemData.h"

class CPopupPainter {
  public:
    CPopupPainter() = default;
    ~CPopupPainter();
    CPopupPainter(const CPopupPainter&) = delete;
    CPopupPainter& operator=(const CPopupPainter&) = delete;

    // A message to the owner window; what the painter does not consume goes
    // on to `forward`, the owner's own procedure.
    LRESULT WindowProc(WNDPROC forward, HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

    // Takes a duplicate of `himl`; false (and nothing changed) when the list
    // has no image 0, false without a duplicate when none could be made.
    bool SetImageList(HIMAGELIST himl);
    HIMAGELIST ImageList() const { return m_hImageList.Get(); }
    void SetItemImage(long nID, long nIndex) { m_mapImages[nID] = nIndex; }

    void ConvertPopup(HMENU hMenu);
    void RevertPopup(HMENU hMenu);
    // Puts back every converted popup (the menu loop has ended).
    void RevertAll();
    BOOL MeasureItem(MEASUREITEMSTRUCT* mis);
    BOOL DrawItem(const DRAWITEMSTRUCT* dis);
    LRESULT OnMenuChar(char ch, HMENU hMenu);
    // Puts back every popup still converted, then drops the records, the
    // image list, the image table and the fonts.
    void Reset();

  private:
    HFONT FontFor(const CMenuItemData& record);
    void DestroyRecord(CMenuItemData* record);
    void DrawLeftColumn(const DRAWITEMSTRUCT* dis, const CMenuItemData& record, const RECT& button, bool& fDrawn);
    void DrawCheckMark(HDC dc, const RECT& button, bool fSelected, HBITMAP bitmap);
    void DrawDisabledImage(HDC dc, int nIndex, int x, int y);

    ImageListHandle m_hImageList;
    std::map<long, long> m_mapImages;  // command id -> image index
    std::vector<HMENU> m_vecConverted;
    std::vector<std::unique_ptr<CMenuItemData>> m_vecRecords;
    SIZE m_sizeImage{0, 0};
    SIZE m_sizeButton{0, 0};
    GdiObject<HFONT> m_hFont;
    GdiObject<HFONT> m_hFontBold;
};

#endif
