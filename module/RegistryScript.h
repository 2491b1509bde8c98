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

struct CRegistryScriptValue {
    std::wstring name;
    std::wstring data;
};

struct CRegistryScriptKey {
    std::wstring name;
    RegistryKeyMark mark = RegistryKeyMark::None;
    std::optional<std::wstring> defaultValue;
    std::vector<CRegistryScriptValue> values;
    std::vector<CRegistryScriptKey> subkeys;
};

struct CRegistryScript {
    std::vector<CRegistryScriptKey> classesRootKeys;
};

// Where and why a script was refused.
struct CRegistryScriptError {
    std::size_t offset = 0;
    std::string message;
};

#endif
