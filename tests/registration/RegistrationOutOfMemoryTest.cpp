// Registration when memory runs out: each allocation on the way (module
// path, script text, parsing, type library) is made to fail in turn, and
// the entry answers E_OUTOFMEMORY every time instead of letting the
// exception out. The failure is injected by replacing operator new in this
// test program, which links the same code as the DLL.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "RegistrationTables.h"
#include "module/Kestrel.h"
#include "module/Module.h"
#include "module/Registration.h"

namespace {

// Allocations still to succeed before the one that fails; negative: none fails.
std::atomic<long> g_allocationsBeforeFailure{-1};
std::atomic<bool> g_failureInjected{false};

void FailAllocationAfter(long count) {
    g_failureInjected = false;
    g_allocationsBeforeFailure = count;
}

// Stops injecting; true if the failure was injected since FailAllocationAfter.
bool StopFailingAllocations() {
    g_allocationsBeforeFailure = -1;
    return g_failureInjected;
}

}  // namespace

void* operator new(std::size_t size) {
    if (g_allocationsBeforeFailure.load() >= 0 && g_allocationsBeforeFailure.fetch_sub(1) == 0) {
        g_failureInjected = true;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}

// Out of line: GCC would otherwise see free() given what operator new
// returned, and warn of a mismatch that the replacement makes deliberate.
__attribute__((noinline)) void operator delete(void* block) noexcept { std::free(block); }
__attribute__((noinline)) void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

std::wstring ThisProgramsPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

TEST(RegistrationOutOfMemory, AnswersEveryFailedAllocationWithEOutOfMemory) {
    RegistryKeysGuard guard;
    WatchRegistrationKeys(guard);
    ASSERT_EQ(S_OK, RegisterServer(Module::Object()));
    const RegistryContents registered = CurrentRegistration();
    ASSERT_EQ(ThisProgramsPath(), ServerPath(CLSID_MenuCtrl));
    ASSERT_EQ(S_OK, UnregisterServer(Module::Object()));
    for (const auto entry : {&RegisterServer, &UnregisterServer}) {
        long failures = 0;
        for (long allocation = 0;; ++allocation) {
            FailAllocationAfter(allocation);
            const HRESULT hr = entry(Module::Object());
            if (!StopFailingAllocations()) {
                EXPECT_EQ(S_OK, hr) << "with every allocation granted";
                break;
            }
            ASSERT_EQ(E_OUTOFMEMORY, hr) << "allocation " << allocation << " failed";
            ++failures;
        }
        EXPECT_GT(failures, 10) << "too few allocations to have tested anything";
        // The failed attempts left nothing that a full run does not mend.
        if (entry == &RegisterServer) {
            EXPECT_EQ(registered, CurrentRegistration());
        } else {
            EXPECT_EQ(RegistryContents(), CurrentRegistration());
        }
    }
}

}  // namespace
