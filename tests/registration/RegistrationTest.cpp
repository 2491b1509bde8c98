// Self-registration against Wine's real registry: through Wine's own
// regsvr32 and through the export, twice, undone, from a path with a quote,
// and the classes created through COM afterwards.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/KestrelDll.h"
#include "RegistrationTables.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"
#include "support/ChildProcess.h"

namespace {

struct BstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};
using Bstr = std::unique_ptr<OLECHAR, BstrFree>;

// Exit code of `regsvr32.exe /s [options] "dll"`, or ~0 if it did not run.
DWORD RunRegsvr32(const std::wstring& options, const std::wstring& dll) {
    return RunChild(L"regsvr32.exe /s " + options + L" \"" + dll + L"\"").exitCode;
}

// The DLL's path as the system spells it (KESTREL_DLL may use '/').
std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full, length) : path;
}

class Registration : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(dllPath.empty()) << "KESTREL_DLL is not set";
        WatchRegistrationKeys(guard);
    }

    // Both classes registered at `module`, and what was written.
    static RegistryContents ExpectRegisteredAt(const std::wstring& module) {
        EXPECT_EQ(module, ServerPath(CLSID_DeviceTransfer));
        EXPECT_EQ(module, ServerPath(CLSID_MenuCtrl));
        return CurrentRegistration();
    }

    const std::wstring dllPath = FullPath(KestrelDllPath());
    RegistryKeysGuard guard;
};

// Twice, with a stale entry in between: the same keys, without the stale entry.
TEST_F(Registration, ThroughTheExportWritesTheSameKeysTwiceAndUndoneKeepsTheClsidKey) {
    KestrelDll dll(dllPath);
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(S_OK, dll.RegisterServer());
    const RegistryContents first = ExpectRegisteredAt(dllPath);
    const std::wstring classKey = L"CLSID\\" + BracedGuid(CLSID_DeviceTransfer);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (classKey + L"\\LocalServer32").c_str(), nullptr, REG_SZ, L"stale.exe",
                    sizeof L"stale.exe");
    ASSERT_EQ(S_OK, dll.RegisterServer());
    EXPECT_EQ(first, CurrentRegistration());

    ASSERT_EQ(S_OK, dll.UnregisterServer());
    EXPECT_EQ(RegistryContents(), CurrentRegistration());
    EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
}

TEST_F(Registration, UndoneKeepsAProgIdKeyThatAnotherProgramExtended) {
    KestrelDll dll(dllPath);
    ASSERT_EQ(S_OK, dll.RegisterServer());
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"Menu.id\\shell\\open", nullptr, REG_SZ, L"theirs", sizeof L"theirs");
    ASSERT_EQ(S_OK, dll.UnregisterServer());
    EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, L"Menu.id\\shell\\open"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, L"Menu.id\\CLSID"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, L"Menu.id\\CurVer"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, L"Menu.id.1"));
}

TEST_F(Registration, WritesAModulePathWithASingleQuoteIntact) {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    const std::wstring folder = std::wstring(temp) + L"Kestrel's copy";
    const std::wstring copy = folder + L"\\Kestrel.dll";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(dllPath.c_str(), copy.c_str(), FALSE));
    {
        KestrelDll dll(copy);
        ASSERT_TRUE(dll.Loaded());
        ASSERT_EQ(S_OK, dll.RegisterServer());
        ExpectRegisteredAt(copy);
        EXPECT_EQ(S_OK, dll.UnregisterServer());
    }
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(Registration, RegistersTheTypeLibraryAtTheModuleAndUnregistersIt) {
    KestrelDll dll(dllPath);
    ASSERT_EQ(S_OK, dll.RegisterServer());
    BSTR path = nullptr;
    ASSERT_EQ(S_OK, QueryPathOfRegTypeLib(LIBID_KESTRELLib, 1, 0, 0x409, &path));
    const Bstr registered(path);
    EXPECT_STREQ(dllPath.c_str(), registered.get());
    const std::wstring directory = dllPath.substr(0, dllPath.find_last_of(L'\\') + 1);
    EXPECT_EQ(directory,
              RegistryString(HKEY_CLASSES_ROOT, L"TypeLib\\" + BracedGuid(LIBID_KESTRELLib) + L"\\1.0\\HELPDIR", L""));

    ASSERT_EQ(S_OK, dll.UnregisterServer());
    path = nullptr;
    EXPECT_NE(S_OK, QueryPathOfRegTypeLib(LIBID_KESTRELLib, 1, 0, 0x409, &path));
    const Bstr unregistered(path);
}

TEST_F(Registration, ThroughWinesRegsvr32LetsCOMCreateBothClassesByClsidAndProgIdAndIsUndone) {
    ASSERT_EQ(0u, RunRegsvr32(L"", dllPath));
    ExpectRegisteredAt(dllPath);
    struct Class {
        const CLSID& clsid;
        const wchar_t* progIds[2];
    };
    for (const Class& cls : {Class{CLSID_DeviceTransfer, {L"Tessaly.DeviceTransfer.1", L"Tessaly.DeviceTransfer.1.1"}},
                             Class{CLSID_MenuCtrl, {L"Menu.id", L"Menu.id.1"}}}) {
        ComPtr<IUnknown> instance;
        EXPECT_EQ(S_OK, CoCreateInstance(cls.clsid, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_PPV_ARGS(instance.ReleaseAndGetAddressOf())));
        for (const wchar_t* progId : cls.progIds) {
            CLSID found{};
            EXPECT_EQ(S_OK, CLSIDFromProgID(progId, &found)) << progId;
            EXPECT_TRUE(IsEqualCLSID(cls.clsid, found)) << progId;
            EXPECT_EQ(S_OK, CoCreateInstance(found, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(instance.ReleaseAndGetAddressOf())))
                << progId;
        }
    }
    CoFreeUnusedLibraries();
    ASSERT_EQ(0u, RunRegsvr32(L"/u", dllPath));
    EXPECT_EQ(RegistryContents(), CurrentRegistration());
}

}  // namespace
