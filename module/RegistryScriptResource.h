// Registry scripts stored in the module as resources of type "REGISTRY".
#ifndef KESTREL_REGISTRY_SCRIPT_RESOURCE_H
#define KESTREL_REGISTRY_SCRIPT_RESOURCE_H

#include <windows.h>

#include <string>

#include "module/RegistryScriptText.h"

// The script's 8-bit text, widened from the ANSI code page.
HRESULT LoadRegistryScriptText(HINSTANCE module, WORD id, std::wstring& text);

// Loads script `id` of `module` and runs it as RunRegistryScriptText does.
HRESULT RunRegistryScriptResource(HINSTANCE module, WORD id, const std::wstring& modulePath, IRegistryAccess& registry,
                                  RegistryScriptMode mode);

#endif
