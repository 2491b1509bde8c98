#include "support/PaneHost.h"

#include <cstdio>

#include "devicepane/ColumnWidths.h"
#include "module/ResourceString.h"
#include "support/PixelCanvas.h"

CDeviceProgram Program(const char* title, int totalTime, int timeOnDevice, int size, int start, int playBack,
                       bool resizable) {
    CDeviceProgram program{};
    std::snprintf(program.m_szTitle, sizeof program.m_szTitle, "%s", title);
    std::snprintf(program.m_szProductID, sizeof program.m_szProductID, "id-%s", title);
    program.m_TotalTime = totalTime;
    program.m_TimeOnDevice = timeOnDevice;
    program.m_SizeOnDevice = size;
    program.m_ProgramStart = start;
    program.m_PlayBackPos = playBack;
    program.m_fCanProgramBeResized = resizable;
    return program;
}

std::string Text(UINT id) { return LoadResourceString(id); }

std::unique_ptr<CPixelCanvas> Capture(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    auto canvas = std::make_unique<CPixelCanvas>(client.right, client.bottom);
    HDC dc = GetDC(window);
    BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas;
}

CComPtr<IAccessible> AccessibleOf(HWND window) {
    CComPtr<IAccessible> accessible;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(accessible.ReleaseAndGetAddressOf()));
    return accessible;
}

CPaneHost::CPaneHost() {
    m_Registry.Watch(HKEY_CURRENT_USER, ColumnWidths::kKeyPath, true);
    OpenPane();
}

void CPaneHost::OpenPane() {
    m_pContainer = std::make_unique<CTestContainer>(SIZE{900, 400});
    ASSERT_HRESULT_SUCCEEDED(m_pContainer->Create(CreateDeviceTransfer));
    ASSERT_HRESULT_SUCCEEDED(m_pContainer->Activate());
    m_pPane = m_pContainer->Query<IDeviceTransfer>(IID_IDeviceTransfer);
    ASSERT_TRUE(m_pPane);
    ASSERT_NE(nullptr, List());
}

std::string CPaneHost::Cell(int item, int column) const {
    char text[1024] = {};
    ListView_GetItemText(List(), item, column, text, sizeof text);
    return text;
}

void CPaneHost::SetDevice(const char* name, INT64 used, INT64 total, int fields) {
    CDeviceInfo info{};
    info.fieldUsed = fields;
    std::snprintf(info.szDeviceName, sizeof info.szDeviceName, "%s", name);
    info.usedMemory = used;
    info.totalMemory = total;
    ASSERT_EQ(S_OK, m_pPane->SetDeviceInfo(info));
}

void CPaneHost::ShowPlugin(IPluginDevicePane* plugin) {
    CDeviceInfo info{};
    info.fieldUsed = DEVICE_IMAGE;
    info.pPluginDevicePane = plugin;
    ASSERT_EQ(S_OK, m_pPane->SetDeviceInfo(info));
}

void CPaneHost::DragSegmentEnd(int end, int total, std::initializer_list<int> dxs) const {
    // The thumb lies 3 to 6 pixels inside the end, over the cell's inner width.
    RECT cell{LVIR_BOUNDS, CProgramList::kSegmentColumn, 0, 0};
    SendMessageA(List(), LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    const POINT from{cell.left + 1 + end * (cell.right - cell.left - 2) / total - 5, (cell.top + cell.bottom) / 2};
    for (int dx : dxs) PostMessageA(List(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + dx, from.y));
    PostMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(from.x + *(dxs.end() - 1), from.y));
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    CTestContainer::ProcessMessages();
}
