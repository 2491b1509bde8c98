#include "module/ResourceString.h"

#include "module/Module.h"

int LoadResourceString(UINT id, char* buffer, int size) {
    // LoadStringA reads a size of 0 as a request for a pointer into the
    // resource, and some versions leave the buffer alone when the string is
    // missing; neither may reach a caller's fixed buffer.
    if (buffer == nullptr || size <= 0) return 0;
    const int copied = LoadStringA(Module::Instance(), id, buffer, size);
    if (copied <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    return copied;
}

std::string LoadResourceString(UINT id) {
    // A string table entry holds at most 65535 characters; grow until the
    // text is shorter than the buffer's capacity, which proves it is whole.
    std::string text(256, '\0');
    for (;;) {
        const int copied = LoadResourceString(id, text.data(), static_cast<int>(text.size()));
        if (copied < static_cast<int>(text.size()) - 1 || text.size() > 65536) {
            text.resize(copied);
            return text;
        }
        text.resize(text.size() * 2);
    }
}
