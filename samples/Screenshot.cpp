#include "Screenshot.h"

#include <wincodec.h>
#include "module/ComPtr.h"

#include <vector>

namespace {

// The client area's DC: the pixels the window and its children show.
class CClientDC {
  public:
    explicit CClientDC(HWND window) : m_hWnd(window), m_hDC(GetDC(window)) {}
    ~CClientDC() {
        if (m_hDC != nullptr) ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    HDC get() const { return m_hDC; }

  private:
    HWND m_hWnd;
    HDC m_hDC;
};

class CMemoryDC {
  public:
    explicit CMemoryDC(HDC compatible) : m_hDC(CreateCompatibleDC(compatible)) {}
    ~CMemoryDC() {
        if (m_hDC != nullptr) DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC get() const { return m_hDC; }

  private:
    HDC m_hDC;
};

// A DIB section selected into a memory DC for as long as this lives.
class CSelectedBitmap {
  public:
    CSelectedBitmap(HDC dc, int width, int height) : m_hDC(dc) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows, as WIC wants them
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        if (m_hBitmap != nullptr) m_hPrevious = SelectObject(dc, m_hBitmap);
    }
    ~CSelectedBitmap() {
        if (m_hPrevious != nullptr) SelectObject(m_hDC, m_hPrevious);
        if (m_hBitmap != nullptr) DeleteObject(m_hBitmap);
    }
    CSelectedBitmap(const CSelectedBitmap&) = delete;
    CSelectedBitmap& operator=(const CSelectedBitmap&) = delete;
    const BYTE* bits() const { return static_cast<const BYTE*>(m_pBits); }

  private:
    HDC m_hDC;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hPrevious = nullptr;
    void* m_pBits = nullptr;
};

// 32-bit BGRX rows to 24-bit BGR rows, which every PNG encoder takes.
std::vector<BYTE> BgrRows(const BYTE* bgrx, int width, int height, UINT* stride) {
    *stride = static_cast<UINT>((width * 3 + 3) & ~3);
    std::vector<BYTE> rows(static_cast<size_t>(*stride) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const BYTE* source = bgrx + static_cast<size_t>(y) * static_cast<size_t>(width) * 4;
        BYTE* target = rows.data() + static_cast<size_t>(y) * *stride;
        for (int x = 0; x < width; ++x) {
            target[x * 3 + 0] = source[x * 4 + 0];
            target[x * 3 + 1] = source[x * 4 + 1];
            target[x * 3 + 2] = source[x * 4 + 2];
        }
    }
    return rows;
}

HRESULT WritePng(const std::wstring& path, const BYTE* bgrx, int width, int height) {
    CComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(factory.ReleaseAndGetAddressOf()));
    if (FAILED(hr)) return hr;
    CComPtr<IWICStream> stream;
    if (FAILED(hr = factory->CreateStream(stream.ReleaseAndGetAddressOf()))) return hr;
    if (FAILED(hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE))) return hr;
    CComPtr<IWICBitmapEncoder> encoder;
    if (FAILED(hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.ReleaseAndGetAddressOf())))
        return hr;
    if (FAILED(hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))) return hr;
    CComPtr<IWICBitmapFrameEncode> frame;
    CComPtr<IPropertyBag2> properties;
    if (FAILED(hr = encoder->CreateNewFrame(frame.ReleaseAndGetAddressOf(), properties.ReleaseAndGetAddressOf())))
        return hr;
    if (FAILED(hr = frame->Initialize(properties.Get()))) return hr;
    if (FAILED(hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)))) return hr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(hr = frame->SetPixelFormat(&format))) return hr;
    if (format != GUID_WICPixelFormat24bppBGR) return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    UINT stride = 0;
    std::vector<BYTE> rows = BgrRows(bgrx, width, height, &stride);
    if (FAILED(hr = frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(rows.size()), rows.data())))
        return hr;
    if (FAILED(hr = frame->Commit())) return hr;
    return encoder->Commit();
}

}  // namespace

HRESULT SaveWindowAsPng(HWND window, const std::wstring& path, SIZE* size) {
    RECT client{};
    if (!GetClientRect(window, &client)) return HRESULT_FROM_WIN32(GetLastError());
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return E_INVALIDARG;
    if (size != nullptr) *size = SIZE{width, height};

    const CClientDC source(window);
    const CMemoryDC target(source.get());
    const CSelectedBitmap picture(target.get(), width, height);
    if (source.get() == nullptr || target.get() == nullptr || picture.bits() == nullptr) return E_OUTOFMEMORY;
    // Copied from the screen, where the children have painted themselves:
    // PrintWindow's WM_PRINT does not reach them here.
    if (!BitBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY)) return E_FAIL;
    GdiFlush();
    return WritePng(path, picture.bits(), width, height);
}
