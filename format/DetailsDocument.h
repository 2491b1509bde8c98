// The HTML details document of one program, built from the module's
// templates and handed to the host in OnProgramDetailes.
#ifndef KESTREL_DETAILS_DOCUMENT_H
#define KESTREL_DETAILS_DOCUMENT_H

#include <windows.h>

#include <optional>
#include <string>

#include "module/Kestrel.h"

// The bytes of HTML resource `resourceId` in the language the loader
// picks; empty when it is missing or empty.
std::string LoadHtmlTemplate(UINT resourceId);

// The codec name that Grainhold.dll gives for `productId`; empty when the
// library, its export or the name is missing. The library is loaded and
// freed around each lookup.
std::string GetCodecName(const char* productId);

// The segment document for a program that can be cut, else the file
// information. Nothing without a record or a device name.
std::optional<std::string> BuildProgramDetails(const CDeviceProgram* program, const char* deviceName);

#endif
