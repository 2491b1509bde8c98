// Owners of GDI and USER handles: each closes its handle in its destructor,
// can be moved and not copied. Nothing else in the module calls DeleteObject,
// DeleteDC, ReleaseDC or DestroyIcon by hand.
#ifndef KESTREL_GDI_HANDLES_H
#define KESTREL_GDI_HANDLES_H

#include <windows.h>

#include <utility>

// One handle closed by Traits::Close(handle). A null handle is never closed.
template <typename Traits>
class CUniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle handle) : m_h(handle) {}
    ~CUniqueHandle() { Reset(); }
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    Handle Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    Handle Release() { return std::exchange(m_h, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (m_h) Traits::Close(m_h);
        m_h = handle;
    }

  private:
    Handle m_h = nullptr;
};

template <typename T>
struct CGdiObjectTraits {
    using Handle = T;
    static void Close(T handle) { ::DeleteObject(handle); }
};

struct CIconTraits {
    using Handle = HICON;
    static void Close(HICON handle) { ::DestroyIcon(handle); }
};

// A brush, pen, bitmap, font or region (it must no longer be selected into a
// DC when this is destroyed: declare the CObjectSelection after it).
template <typename T>
using GdiObject = CUniqueHandle<CGdiObjectTraits<T>>;

using IconHandle = CUniqueHandle<CIconTraits>;

// A DC of a window (GetDC: client area; GetWindowDC: whole window, or the
// whole screen for no window), given back with ReleaseDC.
class CWindowDC {
  public:
    static CWindowDC Client(HWND window) { return CWindowDC(window, ::GetDC(window)); }
    static CWindowDC Whole(HWND window) { return CWindowDC(window, ::GetWindowDC(window)); }

    ~CWindowDC() {
        if (m_dc) ::ReleaseDC(m_window, m_dc);
    }
    CWindowDC(CWindowDC&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
    CWindowDC& operator=(CWindowDC&&) = delete;
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

  private:
    CWindowDC(HWND window, HDC dc) : m_window(window), m_dc(dc) {}

    HWND m_window = nullptr;
    HDC m_dc = nullptr;
};

// A memory DC compatible with another DC (or with the screen for null).
class CMemoryDC {
  public:
    explicit CMemoryDC(HDC compatibleWith) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC() {
        if (m_dc) ::DeleteDC(m_dc);
    }
    CMemoryDC(CMemoryDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
    CMemoryDC& operator=(CMemoryDC&&) = delete;
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

  private:
    HDC m_dc = nullptr;
};

// Selects an object into a DC for one scope and puts the previous one back.
// A null object selects nothing.
class CObjectSelection {
  public:
    CObjectSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CObjectSelection() {
        if (m_previous) ::SelectObject(m_dc, m_previous);
    }
    CObjectSelection(const CObjectSelection&) = delete;
    CObjectSelection& operator=(const CObjectSelection&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

#endif
