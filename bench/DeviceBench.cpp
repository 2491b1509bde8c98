// What the device pane costs against a plain list view doing the same work
// in the same run, and what it leaves behind. The pane is hosted the way a
// host embeds it (samples/container's CControlSite) and created from the
// built Kestrel.dll without registration:
//
//   device_bench [path\to\Kestrel.dll]   (default: KESTREL_DLL, then ..\Kestrel.dll)
//
// Prints ratios (pane / plain list view, best of three rounds each), what
// firing an event costs against calling the sink directly (the sample
// host's sink, and one that does nothing), how the cost of
// one AddProgram grows from 1,000 to 10,000 programs, and the growth of the
// process's GDI objects, USER objects, kernel handles and heap over 200
// panes created, filled and destroyed. Nothing is asserted.
//
// Sized to finish within a few minutes under Wine: each pane of the growth
// check holds 100 programs (the records and rows of a life are all freed
// with it, so a hundred show a leak as well as a thousand), and the
// repaints are timed five times per round; the ratios stay within their
// spread at these sizes.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "EventText.h"
#include "container/ControlSite.h"
#include "container/EventSink.h"
#include "container/OleSession.h"
#include "container/ResourceCounts.h"
#include "devicepane/DeviceTransfer.h"
#include "draw/GdiHandles.h"
#include "format/TextFormat.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "module/control/EventArguments.h"

namespace {

constexpr int kPrograms = 10000;
constexpr int kRounds = 3;
constexpr int kRepaints = 5;
constexpr int kSmallList = 1000;  // the growth of one AddProgram: 10,000 against this
constexpr int kFirings = 200000;
constexpr int kPanes = 200;
constexpr int kProgramsPerPane = 100;
constexpr int kWarmUpPanes = 3;
constexpr int kListId = 101;              // the pane's program list
constexpr int kPaneInsertionIndex = 100;  // where the pane inserts rows past the hundredth
const RECT kPaneRect{0, 0, 800, 600};

void ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// ------------------------------------------------------------- the programs

template <size_t N>
void Copy(char (&field)[N], const std::string& text) {
    const size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

std::vector<CDeviceProgram> MakePrograms(int count) {
    std::vector<CDeviceProgram> programs(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CDeviceProgram& program = programs[static_cast<size_t>(i)];
        program = CDeviceProgram{};
        Copy(program.m_szProductID, "BK" + std::to_string(100000 + i));
        Copy(program.m_szTitle, "Program " + std::to_string(i) + ": chapters of a long audio book");
        Copy(program.m_FullProgramPath, "C:\\Audio\\Program" + std::to_string(i) + ".aa");
        program.m_TotalTime = 600 + (i * 37) % 36000;
        program.m_TimeOnDevice = i % 7 == 0 ? 0 : program.m_TotalTime / 2;
        program.m_ProgramStart = program.m_TotalTime / 4;
        program.m_SizeOnDevice = program.m_TimeOnDevice * 4000;
        program.m_PlayBackPos = program.m_TimeOnDevice / 3;
        program.m_CodecIconIndex = 0;
        program.m_fCanProgramBeResized = i % 2;
    }
    return programs;
}

// The texts the pane shows in columns 0, 1 and 3 of DEVICE_VIEW.
struct CRowTexts {
    std::string title, time, size;
};

std::vector<CRowTexts> TextsOf(const std::vector<CDeviceProgram>& programs) {
    std::vector<CRowTexts> texts;
    for (const CDeviceProgram& program : programs)
        texts.push_back({program.m_szTitle, program.m_TimeOnDevice != 0 ? FormatDuration(program.m_TimeOnDevice) : "",
                         FormatSize(program.m_SizeOnDevice)});
    return texts;
}

// ----------------------------------------------------------- the two lists

// A top-level popup for both lists. It stays hidden while the lists fill:
// under Wine each insertion into a visible list repaints its scroll bar
// through the X server at once, some twenty milliseconds that would bury
// what the pane itself costs (and make a run last hours). It is shown,
// without activation, for the repaints.
class CHostWindow {
  public:
    CHostWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"Kestrel Device Bench";
        RegisterClassW(&windowClass);
        m_hWnd = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, kPaneRect.right,
                                 kPaneRect.bottom, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~CHostWindow() { DestroyWindow(m_hWnd); }
    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;
    HWND Get() const { return m_hWnd; }
    void Show(bool visible) const {
        ShowWindow(m_hWnd, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
        ProcessMessages();
    }

  private:
    HWND m_hWnd = nullptr;
};

// The baseline: a report-view list with the pane's four columns, filled
// with the same texts by plain insertions.
class CPlainList {
  public:
    explicit CPlainList(HWND parent) {
        m_hWnd = CreateWindowExA(WS_EX_CLIENTEDGE, "SysListView32", "",
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LVS_REPORT, 165, 0,
                                 kPaneRect.right - 165, kPaneRect.bottom, parent, nullptr, nullptr, nullptr);
        SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x420, 0x420);
        const char* titles[] = {"Title", "Playing Time", "Segment on Player", "Size on Player"};
        const int widths[] = {280, 80, 240, 30};
        for (int i = 0; i < 4; ++i) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = const_cast<char*>(titles[i]);
            column.cx = widths[i];
            SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }
    }
    ~CPlainList() { DestroyWindow(m_hWnd); }
    CPlainList(const CPlainList&) = delete;
    CPlainList& operator=(const CPlainList&) = delete;
    HWND Get() const { return m_hWnd; }

    int Add(int index, const CRowTexts& texts) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = index;
        item.pszText = const_cast<char*>(texts.title.c_str());
        index = static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        SetText(index, 1, texts.time);
        SetText(index, 3, texts.size);
        return index;
    }

    // An insertion where the pane inserts, followed by the list work every
    // AddProgram owes its host: the new row scrolled into view, then the
    // first selected row focused and scrolled into view again. What the
    // pane costs beyond this is its own.
    void AddAndScroll(const CRowTexts& texts) {
        const int index = Add(kPaneInsertionIndex, texts);
        SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
        LVITEMA state{};
        state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        SendMessageA(m_hWnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, 0, FALSE);
    }

  private:
    void SetText(int index, int column, const std::string& text) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }

    HWND m_hWnd = nullptr;
};

// Kestrel.dll loaded as a host's COM runtime would load it.
class CKestrelDll {
  public:
    explicit CKestrelDll(const std::wstring& path) : m_hModule(LoadLibraryW(path.c_str())) {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        const auto get =
            reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(m_hModule, "DllGetClassObject")));
        if (get != nullptr)
            get(CLSID_DeviceTransfer, IID_IClassFactory, reinterpret_cast<void**>(m_pFactory.ReleaseAndGetAddressOf()));
    }
    ~CKestrelDll() {
        m_pFactory.Reset();
        if (m_hModule != nullptr) FreeLibrary(m_hModule);
    }
    CKestrelDll(const CKestrelDll&) = delete;
    CKestrelDll& operator=(const CKestrelDll&) = delete;
    IClassFactory* Factory() const { return m_pFactory.Get(); }

  private:
    HMODULE m_hModule;
    CComPtr<IClassFactory> m_pFactory;
};

// One device pane, embedded in place in `parent`, connected to a device.
class CHostedPane {
  public:
    CHostedPane(IClassFactory* factory, HWND parent) {
        CComPtr<IUnknown> control;
        if (FAILED(factory->CreateInstance(nullptr, IID_IUnknown,
                                           reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()))))
            return;
        m_pSite = CControlSite::Create(parent, kPaneRect);
        if (!m_pSite || FAILED(m_pSite->Embed(control.Get())) || FAILED(m_pSite->Activate())) return;
        control->QueryInterface(IID_IDeviceTransfer, reinterpret_cast<void**>(m_pPane.ReleaseAndGetAddressOf()));
    }
    ~CHostedPane() {
        m_pPane.Reset();
        if (m_pSite) m_pSite->Close();
    }
    CHostedPane(const CHostedPane&) = delete;
    CHostedPane& operator=(const CHostedPane&) = delete;

    IDeviceTransfer* operator->() const { return m_pPane.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_pPane); }
    HWND Window() const { return m_pSite ? m_pSite->ControlWindow() : nullptr; }
    HWND List() const { return GetDlgItem(Window(), kListId); }

    void Connect(HICON icon) {
        CDeviceInfo info{};
        info.fieldUsed = DEV_NAME | TOTAL_MEM | USED_MEMORY | (icon != nullptr ? DEVICE_IMAGE : 0);
        Copy(info.szDeviceName, "Bench Player");
        info.totalMemory = 4LL * 1024 * 1024 * 1024;
        info.usedMemory = info.totalMemory / 3;
        info.hDeviceImage = icon;
        m_pPane->SetDeviceInfo(info);
        m_pPane->SetDeviceConnection(1, 0, nullptr);
    }
    void Fill(const std::vector<CDeviceProgram>& programs) {
        for (const CDeviceProgram& program : programs) m_pPane->AddProgram(const_cast<CDeviceProgram*>(&program));
    }

  private:
    CComPtr<CControlSite> m_pSite;
    CComPtr<IDeviceTransfer> m_pPane;
};

// ------------------------------------------------------------------ events

// A sink that does nothing but count the call and read the integer
// arguments: what firing costs on top of the sink's own work.
class CCountingSink : public IDispatch {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
            !IsEqualIID(iid, DIID__IDeviceTransferEvents))
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_nReferences)); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(InterlockedDecrement(&m_nReferences)); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        m_nSum += dispid;
        for (UINT i = 0; params != nullptr && i < params->cArgs; ++i)
            if (V_VT(&params->rgvarg[i]) == VT_I4) m_nSum += V_I4(&params->rgvarg[i]);
        return S_OK;
    }

  private:
    LONG m_nReferences = 1;
    long long m_nSum = 0;
};

struct CFiringCost {
    double refresh = 1e30, refreshDirect = 1e30, adjust = 1e30, adjustDirect = 1e30;
};

// Each event fired by a pane to one connected sink, against the sink's
// Invoke called directly with the same DISPPARAMS (built once). The pane is
// this program's own copy of the control's code: events fire only from
// user input, so no interface call reaches them.
CFiringCost MeasureFiring(IDispatch* sink) {
    CFiringCost cost;
    CComPtr<IUnknown> control;
    if (FAILED(CreateDeviceTransfer(nullptr, IID_IUnknown, reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()))))
        return cost;
    CComPtr<IDeviceTransfer> pane;
    CComPtr<IConnectionPointContainer> container;
    CComPtr<IConnectionPoint> point;
    control->QueryInterface(IID_IDeviceTransfer, reinterpret_cast<void**>(pane.ReleaseAndGetAddressOf()));
    control->QueryInterface(IID_IConnectionPointContainer,
                            reinterpret_cast<void**>(container.ReleaseAndGetAddressOf()));
    DWORD cookie = 0;
    if (!pane || !container ||
        FAILED(container->FindConnectionPoint(DIID__IDeviceTransferEvents, point.ReleaseAndGetAddressOf())) ||
        FAILED(point->Advise(sink, &cookie)))
        return cost;
    CDeviceTransfer* firing = CDeviceTransfer::From(pane.Get());
    CDeviceProgram record{};
    IDispatch* volatile target = sink;  // called as the pane calls it, through the interface
    CEventArguments none, adjustment;
    adjustment.Int(7).Pointer(&record).Int(0);
    const auto direct = [&](DISPID dispid, CEventArguments& arguments) {
        DISPPARAMS* params = arguments.Params();
        return Seconds([&] {
            for (int i = 0; i < kFirings; ++i) {
                VARIANT result;
                VariantInit(&result);
                target->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, &result, nullptr,
                               nullptr);
            }
        });
    };
    for (int round = 0; round < kRounds; ++round) {
        cost.refresh = std::min(cost.refresh, Seconds([&] {
                                    for (int i = 0; i < kFirings; ++i) firing->FireOnRefreshRequest();
                                }));
        cost.refreshDirect = std::min(cost.refreshDirect, direct(DISPID_OnRefreshRequest, none));
        cost.adjust = std::min(cost.adjust, Seconds([&] {
                                   for (int i = 0; i < kFirings; ++i)
                                       firing->FireOnAdjustProgramSegment(7, &record, false);
                               }));
        cost.adjustDirect = std::min(cost.adjustDirect, direct(DISPID_OnAdjustProgramSegment, adjustment));
    }
    point->Unadvise(cookie);
    return cost;
}

// The sample host's sink: the container's recording sink, whose handler
// writes each event as a line of the host's log and then forgets the
// record (here the line is made and dropped: no log window).
CFiringCost MeasureFiringToTheSampleHostsSink() {
    CEventSink sink(DIID__IDeviceTransferEvents);
    std::wstring line;
    sink.SetHandler([&](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
        line = DescribeEvent(L"DeviceTransfer", DeviceTransferEventName, event);
        sink.Clear();
    });
    return sink.Dispatch() != nullptr ? MeasureFiring(sink.Dispatch()) : CFiringCost{};
}

CFiringCost MeasureFiringToADoNothingSink() {
    CCountingSink sink;
    return MeasureFiring(&sink);
}

double Repaint(const CHostWindow& host, HWND window, HWND list, int middle) {
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(middle), FALSE);
    host.Show(true);
    const double seconds = Seconds([&] {
        for (int i = 0; i < kRepaints; ++i)
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    host.Show(false);
    return seconds;
}

// Where a long run has got to, on the error stream.
void Progress(const char* what) { std::fprintf(stderr, "  ... %s\n", what); }

void PrintRatio(const char* what, double pane, double baseline, const char* goal = "") {
    std::printf("%-64s %6.2f%s\n", what, baseline > 0 ? pane / baseline : 0.0, goal);
}

// ------------------------------------------------------------ resources

// A small icon of its own for the device picture and the codec image list.
HICON MakeIcon() {
    std::vector<BYTE> andMask(32 * 4, 0x00), xorMask(32 * 4, 0xFF);
    return CreateIcon(nullptr, 32, 32, 1, 1, andMask.data(), xorMask.data());
}

// One life of a pane as a host lives it: embedded, connected with a picture
// and an image list (which the list takes over), filled, shown, closed.
void PaneLife(IClassFactory* factory, const CHostWindow& host, HICON icon,
              const std::vector<CDeviceProgram>& programs) {
    CHostedPane pane(factory, host.Get());
    if (!pane) return;
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(images, icon);
    pane->SetImageList(images);
    pane.Connect(icon);
    pane.Fill(programs);
    host.Show(true);
    RedrawWindow(pane.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    host.Show(false);
}

std::wstring DllPath() {
    int count = 0;
    if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) {
        const std::wstring given = count > 1 ? args[1] : L"";
        LocalFree(args);
        if (!given.empty()) return given;
    }
    wchar_t value[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"KESTREL_DLL", value, MAX_PATH) > 0) return value;
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"..\\Kestrel.dll";
}

int Run(const std::wstring& dllPath) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each line as it comes: a run takes minutes under Wine
    const COleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const CKestrelDll dll(dllPath);
    if (dll.Factory() == nullptr) {
        std::fprintf(stderr, "Kestrel.dll gives no DeviceTransfer class object: %ls\n", dllPath.c_str());
        return 1;
    }
    const CHostWindow host;
    const std::vector<CDeviceProgram> programs = MakePrograms(kPrograms);
    const std::vector<CRowTexts> texts = TextsOf(programs);

    double plainAdd = 1e30, plainScrolledAdd = 1e30, plainClear = 1e30, plainRepaint = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        CPlainList list(host.Get());
        plainAdd = std::min(plainAdd, Seconds([&] {
                                for (int i = 0; i < kPrograms; ++i) list.Add(i, texts[static_cast<size_t>(i)]);
                            }));
        plainRepaint = std::min(plainRepaint, Repaint(host, list.Get(), list.Get(), kPrograms / 2));
        plainClear = std::min(plainClear, Seconds([&] { SendMessageW(list.Get(), LVM_DELETEALLITEMS, 0, 0); }));
        plainScrolledAdd = std::min(plainScrolledAdd, Seconds([&] {
                                        for (const CRowTexts& row : texts) list.AddAndScroll(row);
                                    }));
        Progress("plain list view measured");
    }
    double plainSmallAdd = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        CPlainList list(host.Get());
        plainSmallAdd = std::min(plainSmallAdd, Seconds([&] {
                                     for (int i = 0; i < kSmallList; ++i)
                                         list.AddAndScroll(texts[static_cast<size_t>(i)]);
                                 }));
    }

    double paneAdd = 1e30, paneClear = 1e30, paneMode = 1e30, paneRepaint = 1e30, paneTransferRepaint = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        CHostedPane pane(dll.Factory(), host.Get());
        if (!pane) {
            std::fprintf(stderr, "The device pane could not be embedded\n");
            return 1;
        }
        pane.Connect(nullptr);
        paneAdd = std::min(paneAdd, Seconds([&] { pane.Fill(programs); }));
        paneRepaint = std::min(paneRepaint, Repaint(host, pane.Window(), pane.List(), kPrograms / 2));
        paneClear = std::min(paneClear, Seconds([&] { pane->RemoveAllPrograms(); }));
        pane.Fill(programs);
        paneMode = std::min(paneMode, Seconds([&] { pane->SetDisplayMode(TRANSFER_LIST_VIEW); }));
        pane.Fill(programs);
        paneTransferRepaint = std::min(paneTransferRepaint, Repaint(host, pane.Window(), pane.List(), kPrograms / 2));
        Progress("device pane measured");
    }
    const std::vector<CDeviceProgram> smallList(programs.begin(), programs.begin() + kSmallList);
    double paneSmallAdd = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        CHostedPane pane(dll.Factory(), host.Get());
        if (!pane) return 1;
        pane.Connect(nullptr);
        paneSmallAdd = std::min(paneSmallAdd, Seconds([&] { pane.Fill(smallList); }));
    }
    const CFiringCost firing = MeasureFiringToTheSampleHostsSink();
    const CFiringCost firingBare = MeasureFiringToADoNothingSink();
    Progress("events measured");

    std::printf("Device pane against a plain list view, %d programs (best of %d):\n", kPrograms, kRounds);
    PrintRatio("AddProgram, connected / plain insertions of the same texts", paneAdd, plainAdd);
    PrintRatio("AddProgram, connected / the same with its scrolls and focus", paneAdd, plainScrolledAdd,
               "  (goal <= 1.2)");
    PrintRatio("RemoveAllPrograms / LVM_DELETEALLITEMS", paneClear, plainClear, "  (goal <= 1.5)");
    PrintRatio("SetDisplayMode(TRANSFER_LIST_VIEW) / LVM_DELETEALLITEMS", paneMode, plainClear, "  (goal <= 1.5)");
    PrintRatio("Full repaint scrolled to the middle, DEVICE_VIEW / plain list", paneRepaint, plainRepaint,
               "  (goal <= 1.5)");
    PrintRatio("Full repaint scrolled to the middle, TRANSFER_LIST_VIEW / plain list", paneTransferRepaint,
               plainRepaint, "  (goal <= 1.5)");
    std::printf("\nEvents fired to the sample host's sink / its Invoke called directly (%d calls):\n", kFirings);
    PrintRatio("OnRefreshRequest (no arguments)", firing.refresh, firing.refreshDirect, "  (goal <= 1.1)");
    PrintRatio("OnAdjustProgramSegment (item, record, 0)", firing.adjust, firing.adjustDirect, "  (goal <= 1.1)");
    std::printf("The same to a sink that does nothing (the firing's own cost in calls of an empty Invoke):\n");
    PrintRatio("OnRefreshRequest (no arguments)", firingBare.refresh, firingBare.refreshDirect);
    PrintRatio("OnAdjustProgramSegment (item, record, 0)", firingBare.adjust, firingBare.adjustDirect);
    std::printf("\nOne AddProgram at %d programs / one at %d:\n", kPrograms, kSmallList);
    PrintRatio("device pane", paneAdd / kPrograms, paneSmallAdd / kSmallList, "  (goal <= 1.5)");
    PrintRatio("plain list view, the same insertions, scrolls and focus", plainScrolledAdd / kPrograms,
               plainSmallAdd / kSmallList);

    // What stays behind: counted after a few lives, so that what the
    // platform creates once (classes, fonts, caches) is already there.
    const IconHandle icon(MakeIcon());
    const std::vector<CDeviceProgram> few(programs.begin(), programs.begin() + kProgramsPerPane);
    for (int i = 0; i < kWarmUpPanes; ++i) PaneLife(dll.Factory(), host, icon.Get(), few);
    const CResourceCounts before = CResourceCounts::Now();
    for (int i = 0; i < kPanes; ++i) PaneLife(dll.Factory(), host, icon.Get(), few);
    const CResourceCounts after = CResourceCounts::Now();

    std::printf("\nGrowth after %d panes created, filled with %d programs and destroyed:\n", kPanes, kProgramsPerPane);
    std::printf("  GDI objects   %+lld\n", after.gdi - before.gdi);
    std::printf("  USER objects  %+lld\n", after.user - before.user);
    std::printf("  handles       %+lld\n", after.handles - before.handles);
    std::printf("  heap          %+lld bytes in %+lld blocks\n", after.heapBytes - before.heapBytes,
                after.heapBlocks - before.heapBlocks);
    return 0;
}

}  // namespace

int main() { return Run(DllPath()); }
