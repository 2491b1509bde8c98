// The parsed form of a registry script: the keys to write below
// HKEY_CLASSES_ROOT, each with its default value, named string values and
// subkeys. Windows-free, so the interpreter can be tested on its own.
#ifndef KESTREL_REGISTRY_SCRIPT_H
#define KESTREL_REGISTRY_SCRIPT_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class RegistryKeyMark {
    None,
    ForceRemove,  // deleted with everything beneath it before registration, and at unregistration
    NoRemove      // never deleted at unregistration
};

struct RegistryScriptValue {
    std::wstring name;
    std::wstring data;
};

struct RegistryScriptKey {
    std::wstring name;
    RegistryKeyMark mark = RegistryKeyMark::None;
    std::optional<std::wstring> defaultValue;
    std::vector<RegistryScriptValue> values;
    std::vector<RegistryScriptKey> subkeys;
};

struct RegistryScript {
    std::vector<RegistryScriptKey> classesRootKeys;
};

// Where and why a script was refused.
struct RegistryScriptError {
    std::size_t offset = 0;
    std::string message;
};

#endif
