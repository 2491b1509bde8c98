#include "module/RegistryScriptRunner.h"

namespace {

std::wstring SubkeyPath(const std::wstring& parent, const std::wstring& name) {
    return parent.empty() ? name : parent + L'\\' + name;
}

long RegisterKey(const CRegistryScriptKey& key, const std::wstring& parent, IRegistryAccess& registry) {
    const std::wstring path = SubkeyPath(parent, key.name);
    long error = 0;
    if (key.mark == RegistryKeyMark::ForceRemove && (error = registry.DeleteTree(path)) != 0) return error;
    if ((error = registry.CreateKey(path)) != 0) return error;
    if (key.defaultValue && (error = registry.SetString(path, std::wstring(), *key.defaultValue)) != 0) return error;
    for (const auto& value : key.values)
        if ((error = registry.SetString(path, value.name, value.data)) != 0) return error;
    for (const auto& subkey : key.subkeys)
        if ((error = RegisterKey(subkey, path, registry)) != 0) return error;
    return 0;
}

long UnregisterKey(const CRegistryScriptKey& key, const std::wstring& parent, IRegistryAccess& registry) {
    const std::wstring path = SubkeyPath(parent, key.name);
    if (!registry.KeyExists(path)) return 0;
    long error = 0;
    for (const auto& value : key.values)
        if ((error = registry.DeleteValue(path, value.name)) != 0) return error;
    for (const auto& subkey : key.subkeys)
        if ((error = UnregisterKey(subkey, path, registry)) != 0) return error;
    switch (key.mark) {
        case RegistryKeyMark::NoRemove:
            return 0;
        case RegistryKeyMark::ForceRemove:
            return registry.DeleteTree(path);
        case RegistryKeyMark::None:
            break;
    }
    // Somebody else's subkeys keep the key: another program may rely on it.
    return registry.HasSubkeys(path) ? 0 : registry.DeleteKey(path);
}

}  // namespace

long RunRegistryScript(const CRegistryScript& script, IRegistryAccess& registry, RegistryScriptMode mode) {
    for (const auto& key : script.classesRootKeys) {
        const long error = mode == RegistryScriptMode::Register ? RegisterKey(key, std::wstring(), registry)
                                                                : UnregisterKey(key, std::wstring(), registry);
        if (error != 0) return error;
    }
    return 0;
}
