// What a tool walks from a class's registry entry to its type information:
// ProgID, CLSID, the class's TypeLib and Version, the registered library, the
// coclass of exactly that CLSID, and its default and source interfaces,
// which must be the ones the live object names.
#include <windows.h>
#include <ocidl.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/KestrelDll.h"
#include "RegistrationTables.h"
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

namespace {

struct CTypeInfoRef {
    ComPtr<ITypeInfo> info;
    GUID guid = GUID_NULL;
};

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
        coclass->GetImplTypeFlags(i, &found);
        if ((found & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) != flags) continue;
        coclass->GetRefTypeOfImplType(i, &ref);
        ComPtr<ITypeInfo> implemented;
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

class TypeInfoWalk : public testing::Test {
  protected:
    void SetUp() override { WatchRegistrationKeys(guard); }
    RegistryKeysGuard guard;
};

TEST_F(TypeInfoWalk, LeadsFromEachProgIdToTheCoclassAndTheInterfacesTheObjectNames) {
    KestrelDll dll(KestrelDllPath());
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(S_OK, dll.RegisterServer());
    for (const wchar_t* progId : {L"Tessaly.DeviceTransfer.1", L"Menu.id"}) {
        SCOPED_TRACE(std::string(progId, progId + wcslen(progId)));
        const CLSID clsid = GuidFromRegistry(std::wstring(progId) + L"\\CLSID");
        ASSERT_FALSE(IsEqualGUID(GUID_NULL, clsid));
        const std::wstring classKey = L"CLSID\\" + BracedGuid(clsid);
        const GUID libid = GuidFromRegistry(classKey + L"\\TypeLib");
        const std::wstring version = RegistryString(HKEY_CLASSES_ROOT, classKey + L"\\Version", L"");
        const size_t dot = version.find(L'.');
        ASSERT_NE(std::wstring::npos, dot) << "Version " << std::string(version.begin(), version.end());
        const auto major = static_cast<WORD>(std::stoi(version.substr(0, dot)));
        const auto minor = static_cast<WORD>(std::stoi(version.substr(dot + 1)));

        // The locale the library is registered under, as the registry lists it.
        LCID locale = 0;
        const std::wstring versionKey = L"TypeLib\\" + BracedGuid(libid) + L"\\" + version;
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CLASSES_ROOT, versionKey.c_str(), 0, KEY_READ, &key));
        wchar_t name[64];
        for (DWORD i = 0, length = 64;
             RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, length = 64)
            if (std::wcsspn(name, L"0123456789abcdefABCDEF") == length) locale = std::wcstoul(name, nullptr, 16);
        RegCloseKey(key);
        ComPtr<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadRegTypeLib(libid, major, minor, locale, library.ReleaseAndGetAddressOf()));
        ComPtr<ITypeInfo> coclass;
        ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(clsid, coclass.ReleaseAndGetAddressOf()));
        TYPEKIND kind{};
        TYPEATTR* attr = nullptr;
        coclass->GetTypeAttr(&attr);
        kind = attr->typekind;
        coclass->ReleaseTypeAttr(attr);
        EXPECT_EQ(TKIND_COCLASS, kind);
        const GUID defaultInterface = ImplementedWithFlags(coclass.Get(), IMPLTYPEFLAG_FDEFAULT);
        const GUID defaultSource = ImplementedWithFlags(coclass.Get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);

        // What the live object says of itself.
        ComPtr<IUnknown> object;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_PPV_ARGS(object.ReleaseAndGetAddressOf())));
        ComPtr<IProvideClassInfo2> classInfo;
        ASSERT_EQ(S_OK, object->QueryInterface(IID_PPV_ARGS(classInfo.ReleaseAndGetAddressOf())));
        GUID answeredSource = GUID_NULL;
        EXPECT_EQ(S_OK, classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &answeredSource));
        EXPECT_EQ(BracedGuid(defaultSource), BracedGuid(answeredSource));
        ComPtr<ITypeInfo> answeredClass;
        ASSERT_EQ(S_OK, classInfo->GetClassInfo(answeredClass.ReleaseAndGetAddressOf()));
        EXPECT_EQ(BracedGuid(clsid), BracedGuid(GuidOf(answeredClass.Get())));
        EXPECT_EQ(BracedGuid(defaultInterface),
                  BracedGuid(ImplementedWithFlags(answeredClass.Get(), IMPLTYPEFLAG_FDEFAULT)));
        ComPtr<IUnknown> asDefault;
        EXPECT_EQ(S_OK, object->QueryInterface(defaultInterface,
                                               reinterpret_cast<void**>(asDefault.ReleaseAndGetAddressOf())));
    }
    CoFreeUnusedLibraries();

    // Undone, nothing of it is left to walk.
    ASSERT_EQ(S_OK, dll.UnregisterServer());
    EXPECT_EQ(RegistryContents(), CurrentRegistration());
    ComPtr<ITypeLib> library;
    EXPECT_NE(S_OK, LoadRegTypeLib(LIBID_KESTRELLib, 1, 0, 0, library.ReleaseAndGetAddressOf()));
}

}  // namespace
