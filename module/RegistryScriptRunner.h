// Applies a parsed registry script to a registry.
#ifndef KESTREL_REGISTRY_SCRIPT_RUNNER_H
#define KESTREL_REGISTRY_SCRIPT_RUNNER_H

#include "module/RegistryAccess.h"
#include "module/RegistryScript.h"

enum class RegistryScriptMode { Register, Unregister };

// Register: each key is opened or created and given its values; a
// ForceRemove key is deleted with its subtree first, so nothing stale
// survives. Unregister: a key's listed values and subkeys go first, then the
// key itself, unless it is NoRemove or keeps subkeys the script does not
// name (a ForceRemove key goes with those too); what is missing is skipped.
// Stops at the first failure and returns its code; 0 when all went well.
long RunRegistryScript(const CRegistryScript& script, IRegistryAccess& registry, RegistryScriptMode mode);

#endif
