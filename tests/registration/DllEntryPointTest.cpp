// The DLL's entry point seen from outside. A private copy of Kestrel.dll is
// loaded, and its loader entry is pointed at a recorder that calls the
// original: threads come and go and the DLL is freed while it watches.
//
// At attach the DLL asks the loader to stop thread notifications, but the
// loader refuses that for a module with static TLS, and mingw's runtime
// gives every DLL a TLS directory (its TLS callbacks clean up per-thread
// state of the runtime). So the notifications still come; each is answered
// TRUE and changes nothing.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "support/KestrelDll.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

namespace {

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);
using Notification = std::pair<DWORD, BOOL>;  // reason, answer

// Written under the loader's lock by whichever thread the loader runs.
struct EntryRecord {
    std::mutex lock;
    EntryPoint original = nullptr;
    std::vector<Notification> notifications;
    // Released right after the detach, while the code is still mapped.
    IClassFactory* heldFactory = nullptr;
    ULONG refsLeftAfterDetach = ~0u;

    std::vector<Notification> Take() {
        std::lock_guard<std::mutex> guard(lock);
        return std::exchange(notifications, {});
    }
};
EntryRecord g_record;

BOOL WINAPI RecordingEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    const BOOL answer = g_record.original(instance, reason, reserved);
    if (reason == DLL_PROCESS_DETACH && g_record.heldFactory != nullptr)
        g_record.refsLeftAfterDetach = g_record.heldFactory->Release();
    std::lock_guard<std::mutex> guard(g_record.lock);
    g_record.notifications.emplace_back(reason, answer);
    return answer;
}

// The loader's entry point of `module`: the slot after DllBase in the
// loader's record (Reserved3[0] in the SDK's abridged declaration), which
// the loader calls for every notification.
void** EntryPointSlotOf(HMODULE module) {
// GCC 12 takes the segment-register read inside NtCurrentTeb for an
// access to an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    LIST_ENTRY* head = &NtCurrentTeb()->ProcessEnvironmentBlock->Ldr->InMemoryOrderModuleList;
#pragma GCC diagnostic pop
    for (LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
        auto* entry = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
        if (entry->DllBase == module) return &entry->Reserved3[0];
    }
    return nullptr;
}

bool HasStaticTls(HMODULE module) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const BYTE*>(module) + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_TLS].Size != 0;
}

// The references to a COM object, counted without changing them.
ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

// A copy under a name of its own: COM may keep Kestrel.dll itself loaded
// after other tests, and then no detach would come.
std::wstring PrivateCopyOfTheDll() {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    const std::wstring copy = std::wstring(directory) + L"KestrelEntryPoint.dll";
    return CopyFileW(KestrelDllPath().c_str(), copy.c_str(), FALSE) ? copy : std::wstring();
}

TEST(DllEntryPoint, AnswersEveryNotificationWithTrueAndReleasesItsClassObjectsAtDetach) {
    const std::wstring path = PrivateCopyOfTheDll();
    ASSERT_FALSE(path.empty());
    g_record.Take();
    {
        KestrelDll dll(path);  // the attach answered TRUE, or the load would have failed
        ASSERT_TRUE(dll.Loaded());
        void** slot = EntryPointSlotOf(dll.Handle());
        ASSERT_NE(nullptr, slot);
        ASSERT_NE(nullptr, *slot);

        // The cache holds the class object, and so do we.
        ASSERT_EQ(S_OK, dll.GetClassObject(CLSID_MenuCtrl, IID_IClassFactory,
                                           reinterpret_cast<void**>(&g_record.heldFactory)));
        const ULONG references = References(g_record.heldFactory);
        g_record.original = reinterpret_cast<EntryPoint>(*slot);
        *slot = reinterpret_cast<void*>(&RecordingEntryPoint);

        std::thread([] {}).join();
        std::thread([] {}).join();
        const std::vector<Notification> seen = g_record.Take();
        for (const auto& [reason, answer] : seen) {
            EXPECT_TRUE(reason == DLL_THREAD_ATTACH || reason == DLL_THREAD_DETACH) << "reason " << reason;
            EXPECT_EQ(TRUE, answer) << "reason " << reason;
        }
        EXPECT_EQ(references, References(g_record.heldFactory));
        if (HasStaticTls(dll.Handle()))
            EXPECT_FALSE(DisableThreadLibraryCalls(dll.Handle())) << "the loader accepts it now: expect no threads";
        else
            EXPECT_TRUE(seen.empty()) << seen.size() << " thread notifications";
    }
    std::vector<Notification> seen = g_record.Take();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(Notification(DLL_PROCESS_DETACH, TRUE), seen.back());
    EXPECT_EQ(0u, g_record.refsLeftAfterDetach) << "the cached class object outlived the detach";
    DeleteFileW(path.c_str());
}

}  // namespace
