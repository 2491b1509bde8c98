#include "ResourceCounts.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "draw/GdiHandles.h"

namespace {

// Wine answers GetGuiResources and GetProcessHandleCount with 0; there the
// objects are counted directly: GDI handles by probing the handle table,
// USER objects as the thread's windows and the icons, kernel handles from
// the system's handle list.
long long GdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return counted;
    long long objects = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++objects;
    return objects;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long long*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<long long*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

long long UserObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted != 0) return counted;
    long long objects = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&objects));
    for (UINT_PTR index = 0x20; index < 0x10000; index += 2) {
        ICONINFO icon{};
        if (!GetIconInfo(reinterpret_cast<HICON>(index), &icon)) continue;
        ++objects;
        const GdiObject<HBITMAP> mask(icon.hbmMask), colour(icon.hbmColor);  // copies made for us
    }
    return objects;
}

long long KernelHandles() {
    DWORD counted = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &counted) && counted != 0) return counted;
    struct CEntry {
        ULONG process;
        BYTE type, flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    struct CTable {
        ULONG count;
        CEntry entries[1];
    };
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return -1;
    constexpr ULONG kSystemHandleInformation = 16;
    std::vector<ULONG_PTR> buffer(1 << 20);
    ULONG size = 0;
    if (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)), &size) !=
        0)
        return -1;
    const auto* table = reinterpret_cast<const CTable*>(buffer.data());
    long long handles = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].process == GetCurrentProcessId()) ++handles;
    return handles;
}

// Every heap of the process: the C runtime allocates from a heap of its own.
void WalkHeaps(CResourceCounts& counts) {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                counts.heapBytes += static_cast<long long>(entry.cbData);
                ++counts.heapBlocks;
            }
        HeapUnlock(heap);
    }
}

void DispatchWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

CResourceCounts CResourceCounts::Now() {
    DispatchWaitingMessages();
    CResourceCounts counts;
    counts.gdi = GdiObjects();
    counts.user = UserObjects();
    counts.handles = KernelHandles();
    WalkHeaps(counts);
    return counts;
}

std::string CResourceCounts::Text() const {
    char text[160];
    std::snprintf(text, sizeof text, "GDI %lld, USER %lld, handles %lld, heap %lld bytes", gdi, user, handles,
                  heapBytes);
    return text;
}
