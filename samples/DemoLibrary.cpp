#include "DemoLibrary.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "draw/GdiHandles.h"

const char kDemoTransferTitle[] = "Pride and Prejudice";

namespace {

// A program as the library describes it; the segment is what goes to the
// player (the whole program when it cannot be cut).
struct CDemoProgram {
    const char* productId;
    const char* title;
    INT32 totalTime;
    INT32 start;
    INT32 length;
    INT32 playback;
    bool resizable;
    INT32 codec;
};

// On the player.
const CDemoProgram kOnPlayer[] = {
    {"AB-2231", "The Count of Monte Cristo, Part 1", 22320, 0, 7200, 1800, true, 0},
    {"NW-0612", "Morning News Digest", 1500, 0, 1500, 600, false, 0},
    {"AB-1180", "A Brief History of Time", 21600, 3600, 5400, 4000, true, 0},
    {"LC-0012", "French Lesson 12: At the Market", 1800, 600, 900, 0, true, 0},
    {"MU-7703", "Nocturnes, Op. 9", 1020, 0, 1020, 200, false, 1},
    {"PD-0415", "Science Weekly: Black Holes", 2700, 0, 2700, 0, false, 0},
};

// Queued for the player; kDemoTransferTitle is being copied.
const CDemoProgram kQueued[] = {
    {"AB-0813", "Pride and Prejudice", 41700, 0, 10800, 0, true, 0},
    {"AB-2232", "The Count of Monte Cristo, Part 2", 23100, 0, 23100, 0, true, 0},
    {"SS-0007", "The Gift of the Magi", 1260, 0, 1260, 0, false, 0},
    {"LC-0013", "French Lesson 13: At the Station", 1800, 300, 1200, 0, true, 0},
    {"MU-7704", "Preludes, Op. 28", 2400, 0, 2400, 0, false, 1},
};

// Laid out for one 80-minute CD (73 minutes of it): the lengths are CD
// audio. Column 3 counts the CDs each whole title would need.
const CDemoProgram kForCd[] = {
    {"AB-1180", "A Brief History of Time", 21600, 0, 1500, 0, true, 0},
    {"SS-0007", "The Gift of the Magi", 1260, 0, 1260, 0, false, 0},
    {"MU-7703", "Nocturnes, Op. 9", 1020, 0, 1020, 0, false, 1},
    {"AB-0813", "Pride and Prejudice", 41700, 7200, 600, 0, true, 0},
};

constexpr INT64 kPlayerCapacity = 512LL * 1024 * 1024;
constexpr INT64 kPlayerOtherFiles = 96LL * 1024 * 1024;  // what the player holds besides programs
constexpr INT64 kCdCapacity = 80LL * 60 * 176400;        // an 80-minute CD
constexpr INT64 kCdBytesPerSecond = 176400;

template <size_t N>
void CopyText(char (&field)[N], const char* text) {
    const size_t length = std::min(std::strlen(text), N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

CDeviceProgram Record(const CDemoProgram& demo) {
    CDeviceProgram program{};
    CopyText(program.m_szProductID, demo.productId);
    CopyText(program.m_szTitle, demo.title);
    std::string path = std::string("C:\\Lanthorn\\Library\\") + demo.productId + ".aa";
    CopyText(program.m_FullProgramPath, path.c_str());
    program.m_TotalTime = demo.totalTime;
    program.m_ProgramStart = demo.start;
    program.m_TimeOnDevice = demo.length;
    program.m_SizeOnDevice = demo.length * kDemoBytesPerSecond;
    program.m_PlayBackPos = demo.playback;
    program.m_CodecIconIndex = demo.codec;
    program.m_fCanProgramBeResized = demo.resizable ? 1 : 0;
    return program;
}

template <size_t N>
std::vector<CDeviceProgram> Records(const CDemoProgram (&demos)[N]) {
    std::vector<CDeviceProgram> programs;
    for (const CDemoProgram& demo : demos) programs.push_back(Record(demo));
    return programs;
}

// ----------------------------------------------------------------- icons

// Paints the shapes of an icon twice: in colour on black, and in black on
// white for the mask.
class CIconPainter {
  public:
    CIconPainter(HDC dc, bool mask) : m_dc(dc), m_fMask(mask) {}
    void RoundRect(COLORREF colour, int left, int top, int right, int bottom, int corner) const {
        const CFill fill(*this, colour);
        ::RoundRect(m_dc, left, top, right, bottom, corner, corner);
    }
    void Ellipse(COLORREF colour, int left, int top, int right, int bottom) const {
        const CFill fill(*this, colour);
        ::Ellipse(m_dc, left, top, right, bottom);
    }
    void Polygon(COLORREF colour, const POINT* points, int count) const {
        const CFill fill(*this, colour);
        ::Polygon(m_dc, points, count);
    }

  private:
    class CFill {
      public:
        CFill(const CIconPainter& painter, COLORREF colour)
            : m_brush(::CreateSolidBrush(painter.m_fMask ? RGB(0, 0, 0) : colour)),
              m_brushSelection(painter.m_dc, m_brush.Get()),
              m_penSelection(painter.m_dc, ::GetStockObject(NULL_PEN)) {}

      private:
        GdiObject<HBRUSH> m_brush;
        CObjectSelection m_brushSelection;
        CObjectSelection m_penSelection;
    };

    HDC m_dc;
    bool m_fMask;
};

using Painting = void (*)(const CIconPainter& painter);

HICON PaintIcon(int size, Painting paint) {
    const CWindowDC screen = CWindowDC::Client(nullptr);
    GdiObject<HBITMAP> colour(::CreateCompatibleBitmap(screen.Get(), size, size));
    GdiObject<HBITMAP> mask(::CreateBitmap(size, size, 1, 1, nullptr));
    const CMemoryDC dc(screen.Get());
    if (!colour || !mask || !dc) return nullptr;
    const RECT all{0, 0, size, size};
    {
        const CObjectSelection selection(dc.Get(), colour.Get());
        ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        paint(CIconPainter(dc.Get(), false));
    }
    {
        const CObjectSelection selection(dc.Get(), mask.Get());
        ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        paint(CIconPainter(dc.Get(), true));
    }
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    return ::CreateIconIndirect(&info);
}

void PaintPlayer(const CIconPainter& painter) {
    painter.RoundRect(RGB(52, 61, 77), 10, 1, 39, 48, 10);    // body
    painter.RoundRect(RGB(150, 214, 206), 14, 6, 35, 23, 4);  // screen
    painter.Ellipse(RGB(196, 200, 208), 16, 26, 33, 43);      // wheel
    painter.Ellipse(RGB(52, 61, 77), 22, 32, 27, 37);
}

void PaintDisc(const CIconPainter& painter) {
    painter.Ellipse(RGB(120, 126, 140), 2, 2, 46, 46);
    painter.Ellipse(RGB(214, 220, 232), 4, 4, 44, 44);
    painter.Ellipse(RGB(170, 200, 236), 9, 9, 39, 39);
    painter.Ellipse(RGB(232, 236, 244), 16, 16, 32, 32);
    painter.Ellipse(RGB(120, 126, 140), 20, 20, 28, 28);
}

void PaintSpokenWord(const CIconPainter& painter) {
    painter.Ellipse(RGB(45, 110, 190), 1, 1, 15, 15);
    painter.RoundRect(RGB(255, 255, 255), 6, 4, 10, 10, 4);  // a microphone
    painter.RoundRect(RGB(255, 255, 255), 7, 10, 9, 13, 1);
}

void PaintMusic(const CIconPainter& painter) {
    const POINT diamond[] = {{8, 0}, {16, 8}, {8, 16}, {0, 8}};
    painter.Polygon(RGB(230, 140, 30), diamond, 4);
    painter.Ellipse(RGB(255, 255, 255), 5, 8, 10, 12);  // a note
    painter.RoundRect(RGB(255, 255, 255), 8, 3, 10, 10, 1);
}

}  // namespace

std::vector<CDeviceProgram> DemoPrograms(DISPLAY_MODE mode) {
    switch (mode) {
        case TRANSFER_LIST_VIEW:
            return Records(kQueued);
        case CDBURN_VIEW:
            return Records(kForCd);
        default:
            return Records(kOnPlayer);
    }
}

CDeviceInfo DemoDevice(DISPLAY_MODE mode) {
    CDeviceInfo device{};
    device.fieldUsed = DEV_NAME | TOTAL_MEM | USED_MEMORY;
    CopyText(device.szDeviceName, "Lanthorn Pocket 512");
    if (mode == CDBURN_VIEW) {
        device.totalMemory = kCdCapacity;
        for (const CDeviceProgram& program : DemoPrograms(CDBURN_VIEW))
            device.usedMemory += program.m_TimeOnDevice * kCdBytesPerSecond;
        return device;
    }
    device.totalMemory = kPlayerCapacity;
    device.usedMemory = kPlayerOtherFiles;
    for (const CDeviceProgram& program : DemoPrograms(DEVICE_VIEW)) device.usedMemory += program.m_SizeOnDevice;
    return device;
}

HICON CreateDemoDeviceIcon(DISPLAY_MODE mode) { return PaintIcon(48, mode == CDBURN_VIEW ? PaintDisc : PaintPlayer); }

HIMAGELIST CreateDemoCodecImages() {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (images == nullptr) return nullptr;
    for (Painting paint : {PaintSpokenWord, PaintMusic}) {
        const IconHandle icon(PaintIcon(16, paint));
        ImageList_AddIcon(images, icon.Get());
    }
    return images;
}
