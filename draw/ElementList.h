// The elements of one window in painting order. The list does not own its
// elements: they are members of the window object, like the list.
#ifndef KESTREL_ELEMENT_LIST_H
#define KESTREL_ELEMENT_LIST_H

#include "draw/DrawElement.h"

#include <vector>

class CElementList {
  public:
    CElementList() = default;
    virtual ~CElementList() = default;

    // Appended after every element added before: it is painted on top.
    void Add(CDrawElement* element);
    // Draws the visible elements in insertion order.
    virtual void DrawAll(HDC dc, const RECT* clip);
    // Sets the owner of every element, visible or not.
    virtual void SetOwnerAll(HWND owner);

  private:
    std::vector<CDrawElement*> m_elements;
};

#endif
