#include "MemoryRegistry.h"

namespace {

bool IsBelow(const std::wstring& path, const std::wstring& ancestor) {
    return path.size() > ancestor.size() && path.compare(0, ancestor.size(), ancestor) == 0 &&
           path[ancestor.size()] == L'\\';
}

constexpr long kKeyNotFound = 2;  // ERROR_FILE_NOT_FOUND

}  // namespace

void MemoryRegistry::FailOn(const std::string& operation, const std::wstring& path, long error) {
    failOperation_ = operation;
    failPath_ = path;
    failError_ = error;
}

long MemoryRegistry::Injected(const std::string& operation, const std::wstring& path) {
    if (operation != failOperation_ || path != failPath_) return 0;
    failOperation_.clear();
    return failError_;
}

long MemoryRegistry::CreateKey(const std::wstring& path) {
    if (const long error = Injected("CreateKey", path)) return error;
    ++writes_;
    for (std::size_t separator = path.find(L'\\'); separator != std::wstring::npos;
         separator = path.find(L'\\', separator + 1))
        contents[path.substr(0, separator)];
    contents[path];
    return 0;
}

long MemoryRegistry::SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
    if (const long error = Injected("SetString", path)) return error;
    ++writes_;
    const auto key = contents.find(path);
    if (key == contents.end()) return kKeyNotFound;
    key->second[name] = data;
    return 0;
}

long MemoryRegistry::DeleteValue(const std::wstring& path, const std::wstring& name) {
    if (const long error = Injected("DeleteValue", path)) return error;
    ++writes_;
    const auto key = contents.find(path);
    if (key != contents.end()) key->second.erase(name);
    return 0;
}

long MemoryRegistry::DeleteKey(const std::wstring& path) {
    if (const long error = Injected("DeleteKey", path)) return error;
    ++writes_;
    if (HasSubkeys(path)) return 5;  // ERROR_ACCESS_DENIED, as RegDeleteKey answers
    contents.erase(path);
    return 0;
}

long MemoryRegistry::DeleteTree(const std::wstring& path) {
    if (const long error = Injected("DeleteTree", path)) return error;
    ++writes_;
    for (auto key = contents.begin(); key != contents.end();)
        key = key->first == path || IsBelow(key->first, path) ? contents.erase(key) : std::next(key);
    return 0;
}

bool MemoryRegistry::KeyExists(const std::wstring& path) { return contents.count(path) != 0; }

bool MemoryRegistry::HasSubkeys(const std::wstring& path) {
    for (const auto& [key, values] : contents)
        if (IsBelow(key, path)) return true;
    return false;
}
