#include "MemoryRegistry.h"

namespace {

bool IsBelow(const std::wstring& path, const std::wstring& ancestor) {
    return path.size() > ancestor.size() && path.compare(0, ancestor.size(), ancestor) == 0 &&
           path[ancestor.size()] == L'\\';
}

constexpr long kKeyNotFound = 2;  // ERROR_FILE_NOT_FOUND

}  // namespace

void CMemoryRegistry::FailOn(const std::string& operation, const std::wstring& path, long error) {
    m_strFailOperation = operation;
    m_strFailPath = path;
    m_lFailError = error;
}

long CMemoryRegistry::Injected(const std::string& operation, const std::wstring& path) {
    if (operation != m_strFailOperation || path != m_strFailPath) return 0;
    m_strFailOperation.clear();
    return m_lFailError;
}

long CMemoryRegistry::CreateKey(const std::wstring& path) {
    if (const long error = Injected("CreateKey", path)) return error;
    ++m_nWrites;
    for (std::size_t separator = path.find(L'\\'); separator != std::wstring::npos;
         separator = path.find(L'\\', separator + 1))
        contents[path.substr(0, separator)];
    contents[path];
    return 0;
}

long CMemoryRegistry::SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
    if (const long error = Injected("SetString", path)) return error;
    ++m_nWrites;
    const auto key = contents.find(path);
    if (key == contents.end()) return kKeyNotFound;
    key->second[name] = data;
    return 0;
}

long CMemoryRegistry::DeleteValue(const std::wstring& path, const std::wstring& name) {
    if (const long error = Injected("DeleteValue", path)) return error;
    ++m_nWrites;
    const auto key = contents.find(path);
    if (key != contents.end()) key->second.erase(name);
    return 0;
}

long CMemoryRegistry::DeleteKey(const std::wstring& path) {
    if (const long error = Injected("DeleteKey", path)) return error;
    ++m_nWrites;
    if (HasSubkeys(path)) return 5;  // ERROR_ACCESS_DENIED, as RegDeleteKey answers
    contents.erase(path);
    return 0;
}

long CMemoryRegistry::DeleteTree(const std::wstring& path) {
    if (const long error = Injected("DeleteTree", path)) return error;
    ++m_nWrites;
    for (auto key = contents.begin(); key != contents.end();)
        key = key->first == path || IsBelow(key->first, path) ? contents.erase(key) : std::next(key);
    return 0;
}

bool CMemoryRegistry::KeyExists(const std::wstring& path) { return contents.count(path) != 0; }

bool CMemoryRegistry::HasSubkeys(const std::wstring& path) {
    for (const auto& [key, values] : contents)
        if (IsBelow(key, path)) return true;
    return false;
}
