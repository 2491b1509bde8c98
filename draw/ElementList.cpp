#include "draw/ElementList.h"

void CElementList::Add(CDrawElement* element) {
    if (element) m_elements.push_back(element);
}

void CElementList::DrawAll(HDC dc, const RECT* clip) {
    for (CDrawElement* element : m_elements)
        if (element->IsVisible()) element->Draw(dc, clip);
}

void CElementList::SetOwnerAll(HWND owner) {
    for (CDrawElement* element : m_elements) element->SetOwner(owner);
}
