#include <windows.h>
#include <ocidl.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/KestrelDll.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"
#include "support/ChildProcess.h"
#include "support/KestrelRegistration.h"

namespace {

RegistryContents CurrentRegistration() {
    RegistryContents contents;
    for (const wchar_t* progId : kKestrelProgIds) contents.merge(RegistrySnapshot(HKEY_CLASSES_ROOT, progId));
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl})
        contents.merge(RegistrySnapshot(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(*clsid)));
    return contents;
}

std::wstring ServerPath(const CLSID& clsid) {
    return RegistryString(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(clsid) + L"\\InprocServer32", L"");
}

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
    CRegistryKeysGuard guard;
};

// Twice, with a stale entry in between: the same keys, without the stale entry.
TEST_F(Registration, ThroughTheExportWritesTheSameKeysTwiceAndUndoneKeepsWhatIsNotItsOwn) {
    CKestrelDll dll(dllPath);
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(S_OK, dll.RegisterServer());
    const RegistryContents first = ExpectRegisteredAt(dllPath);
    const std::wstring classKey = L"CLSID\\" + BracedGuid(CLSID_DeviceTransfer);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (classKey + L"\\LocalServer32").c_str(), nullptr, REG_SZ, L"stale.exe",
                    sizeof L"stale.exe");
    ASSERT_EQ(S_OK, dll.RegisterServer());
    EXPECT_EQ(first, CurrentRegistration());

    // Undone, it keeps the CLSID key and a ProgID key that another program extended.
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"Menu.id\\shell\\open", nullptr, REG_SZ, L"theirs", sizeof L"theirs");
    ASSERT_EQ(S_OK, dll.UnregisterServer());
    for (const wchar_t* key : {L"Menu.id\\shell\\open", L"CLSID"})
        EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, key));
    for (const wchar_t* key : {L"Menu.id\\CLSID", L"Menu.id\\CurVer", L"Menu.id.1", L"Tessaly.DeviceTransfer.1"})
        EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, key));
}

GUID GuidOf(ITypeInfo* info) {
    TYPEATTR* attr = nullptr;
    if (info == nullptr || FAILED(info->GetTypeAttr(&attr))) return GUID_NULL;
    const GUID guid = attr->guid;
    info->ReleaseTypeAttr(attr);
    return guid;
}

// The coclass's implemented type with exactly `flags` among default and source.
GUID ImplementedWithFlags(ITypeInfo* coclass, INT flags) {
    TYPEATTR* attr = nullptr;
    coclass->GetTypeAttr(&attr);
    const UINT count = attr->cImplTypes;
    coclass->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        INT found = 0;
        HREFTYPE ref = 0;
        CComPtr<ITypeInfo> implemented;
        coclass->GetImplTypeFlags(i, &found);
        if ((found & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) != flags) continue;
        coclass->GetRefTypeOfImplType(i, &ref);
        coclass->GetRefTypeInfo(ref, implemented.ReleaseAndGetAddressOf());
        return GuidOf(implemented.Get());
    }
    return GUID_NULL;
}

GUID GuidFromRegistry(const std::wstring& key) {
    GUID guid = GUID_NULL;
    CLSIDFromString(RegistryString(HKEY_CLASSES_ROOT, key, L"").c_str(), &guid);
    return guid;
}

// What a host and a tool find after Wine's regsvr32: each ProgID names the
// class, which COM creates; the class's TypeLib and Version lead to the
// library registered at the module (help directory beside it) and to the
// coclass of that CLSID, whose default and source interfaces are the ones
// the live object answers and names. Undone, nothing of it is left.
TEST_F(Registration, ThroughWinesRegsvr32LeadsFromEachProgIdToTheClassAndItsTypeInformationAndIsUndone) {
    ASSERT_EQ(0u, RunRegsvr32(L"", dllPath));
    ExpectRegisteredAt(dllPath);
    struct Class {
        const CLSID& clsid;
        const wchar_t* progIds[2];
    };
    for (const Class& cls : {Class{CLSID_DeviceTransfer, {L"Tessaly.DeviceTransfer.1", L"Tessaly.DeviceTransfer.1.1"}},
                             Class{CLSID_MenuCtrl, {L"Menu.id", L"Menu.id.1"}}}) {
        SCOPED_TRACE(std::string(cls.progIds[0], cls.progIds[0] + wcslen(cls.progIds[0])));
        CComPtr<IUnknown> object;
        for (const wchar_t* progId : cls.progIds) {
            CLSID found{};
            EXPECT_EQ(S_OK, CLSIDFromProgID(progId, &found)) << progId;
            EXPECT_TRUE(IsEqualCLSID(cls.clsid, found)) << progId;
            EXPECT_EQ(S_OK, CoCreateInstance(found, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(object.ReleaseAndGetAddressOf())))
                << progId;
        }
        ASSERT_TRUE(object);
        const std::wstring classKey = L"CLSID\\" + BracedGuid(cls.clsid);
        const GUID libid = GuidFromRegistry(classKey + L"\\TypeLib");
        const std::wstring version = RegistryString(HKEY_CLASSES_ROOT, classKey + L"\\Version", L"");
        ASSERT_NE(std::wstring::npos, version.find(L'.'));
        const auto major = static_cast<WORD>(std::stoi(version));
        const auto minor = static_cast<WORD>(std::stoi(version.substr(version.find(L'.') + 1)));
        BSTR path = nullptr;
        ASSERT_EQ(S_OK, QueryPathOfRegTypeLib(libid, major, minor, 0x409, &path));
        EXPECT_STREQ(dllPath.c_str(), path);
        SysFreeString(path);
        EXPECT_EQ(
            dllPath.substr(0, dllPath.find_last_of(L'\\') + 1),
            RegistryString(HKEY_CLASSES_ROOT, L"TypeLib\\" + BracedGuid(libid) + L"\\" + version + L"\\HELPDIR", L""));
        CComPtr<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadRegTypeLib(libid, major, minor, 0x409, library.ReleaseAndGetAddressOf()));
        CComPtr<ITypeInfo> coclass;
        ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(cls.clsid, coclass.ReleaseAndGetAddressOf()));

        CComPtr<IProvideClassInfo2> classInfo;
        ASSERT_EQ(S_OK, object->QueryInterface(IID_PPV_ARGS(classInfo.ReleaseAndGetAddressOf())));
        GUID source = GUID_NULL;
        EXPECT_EQ(S_OK, classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
        EXPECT_EQ(BracedGuid(ImplementedWithFlags(coclass.Get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)),
                  BracedGuid(source));
        CComPtr<ITypeInfo> answeredClass;
        ASSERT_EQ(S_OK, classInfo->GetClassInfo(answeredClass.ReleaseAndGetAddressOf()));
        EXPECT_EQ(BracedGuid(cls.clsid), BracedGuid(GuidOf(answeredClass.Get())));
        CComPtr<IUnknown> asDefault;
        EXPECT_EQ(S_OK, object->QueryInterface(ImplementedWithFlags(coclass.Get(), IMPLTYPEFLAG_FDEFAULT),
                                               reinterpret_cast<void**>(asDefault.ReleaseAndGetAddressOf())));
    }
    CoFreeUnusedLibraries();
    ASSERT_EQ(0u, RunRegsvr32(L"/u", dllPath));
    EXPECT_EQ(RegistryContents(), CurrentRegistration());
    CComPtr<ITypeLib> library;
    EXPECT_NE(S_OK, LoadRegTypeLib(LIBID_KESTRELLib, 1, 0, 0x409, library.ReleaseAndGetAddressOf()));
}

}  // namespace
