// Owners of GDI and USER handles: each closes its handle in its destructor,
// can be moved and not copied. Nothing else in the module calls DeleteObject,
// DeleteDC, ReleaseDC or DestroyIcon by hand.
#ifndef KESTREL_GDI_HANDLES_H
#define KESTREL_GDI_HANDLES_H

#include <windows.h>

#include <utility>

// One handle closed by Traits::Close(handle). A null handle is never closed.
template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_h(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

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
struct GdiObjectTraits {
    using Handle = T;
    static void Close(T handle) { ::DeleteObject(handle); }
};

struct IconTraits {
    using Handle = HICON;
    static void Close(HICON handle) { ::DestroyIcon(handle); }
};

// A brush, pen, bitmap, font or region (it must no longer be selected into a
// DC when this is destroyed: declare the ObjectSelection after it).
template <typename T>
using GdiObject = UniqueHandle<GdiObjectTraits<T>>;

using IconHandle = UniqueHandle<IconTraits>;

// A DC of a window (GetDC: client area; GetWindowDC: whole window, or the
// whole screen for no window), given back with ReleaseDC.
class WindowDC {
  public:
    static WindowDC Client(HWND window) { return WindowDC(window, ::GetDC(window)); }
    static WindowDC Whole(HWND window) { return WindowDC(window, ::GetWindowDC(window)); }

    ~WindowDC() {
        if (m_dc) ::ReleaseDC(m_window, m_dc);
    }
    WindowDC(WindowDC&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

  private:
    WindowDC(HWND window, HDC dc) : m_window(window), m_dc(dc) {}

    HWND m_window = nullptr;
    HDC m_dc = nullptr;
};

// A memory DC compatible with another DC (or with the screen for null).
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatibleWith) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (m_dc) ::DeleteDC(m_dc);
    }
    MemoryDC(MemoryDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
    MemoryDC& operator=(MemoryDC&&) = delete;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

  private:
    HDC m_dc = nullptr;
};

// Selects an object into a DC for one scope and puts the previous one back.
// A null object selects nothing.
class ObjectSelection {
  public:
    ObjectSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~ObjectSelection() {
        if (m_previous) ::SelectObject(m_dc, m_previous);
    }
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

#endif
