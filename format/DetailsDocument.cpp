#include "format/DetailsDocument.h"

#include <objbase.h>

#include <cstring>

#include "draw/GdiHandles.h"
#include "format/DetailsTemplate.h"
#include "module/Module.h"
#include "res/resource.h"

namespace {

// The export of Grainhold.dll: on success it hands back a name allocated
// with the COM task allocator.
using GetCodecNameFromProductIdProc = INT32(WINAPI*)(const char* productId, char** name);

// A library loaded for one lookup.
struct CLibraryTraits {
    using Handle = HMODULE;
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
using LoadedLibrary = CUniqueHandle<CLibraryTraits>;

// The application's directory and then the system directories, never the
// current directory: a library planted beside a document the user opened
// would otherwise run in the host. Its own imports are searched the same way.
HMODULE LoadGrainhold() {
    return ::LoadLibraryExW(L"Grainhold.dll", nullptr,
                            LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The text of a fixed-size record field; none when it does not end inside
// the field.
template <std::size_t N>
std::optional<std::string> FieldText(const char (&field)[N]) {
    const std::size_t length = ::strnlen(field, N);
    if (length == N) return std::nullopt;
    return std::string(field, length);
}

}  // namespace

std::string LoadHtmlTemplate(UINT resourceId) {
    const HINSTANCE instance = Module::Instance();
    const HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), "#23");
    if (found == nullptr) return {};
    const HGLOBAL loaded = ::LoadResource(instance, found);
    const auto* bytes = static_cast<const char*>(::LockResource(loaded));
    const DWORD size = ::SizeofResource(instance, found);
    if (bytes == nullptr || size == 0) return {};
    return std::string(bytes, size);
}

std::string GetCodecName(const char* productId) {
    if (productId == nullptr) return {};
    const LoadedLibrary library(LoadGrainhold());
    if (library.Get() == nullptr) return {};
    const auto lookup = reinterpret_cast<GetCodecNameFromProductIdProc>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library.Get(), "GetCodecNameFromProductID")));
    if (lookup == nullptr) return {};

    char* name = nullptr;
    const INT32 found = lookup(productId, &name);
    // Only a successful lookup hands over a string of the task allocator:
    // what a failing one leaves there is not the module's to free.
    std::string result;
    if (found != 0 && name != nullptr) {
        result = name;
        ::CoTaskMemFree(name);
    }
    return result;
}

std::optional<std::string> BuildProgramDetails(const CDeviceProgram* program, const char* deviceName) {
    if (program == nullptr || deviceName == nullptr) return std::nullopt;

    const bool segment = program->m_fCanProgramBeResized != 0;
    CDetailsFields fields;
    fields.strTitle = FieldText(program->m_szTitle).value_or(std::string());
    fields.strDevice = deviceName;
    fields.TotalTime = program->m_TotalTime;
    fields.TimeOnDevice = program->m_TimeOnDevice;
    fields.SizeOnDevice = program->m_SizeOnDevice;
    fields.ProgramStart = program->m_ProgramStart;
    fields.PlayBackPos = program->m_PlayBackPos;
    if (!segment) {
        if (const auto productId = FieldText(program->m_szProductID))
            fields.strCodec = GetCodecName(productId->c_str());
    }
    return FillDetailsTemplate(LoadHtmlTemplate(segment ? IDH_SEGMENT_DETAILS : IDH_FILE_INFORMATION),
                               segment ? DetailsKind::SEGMENT_DETAILS : DetailsKind::FILE_INFORMATION, fields);
}
