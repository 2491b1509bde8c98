// A stand-in for the host's Grainhold.dll: the one export that Kestrel.dll
// calls, answering a few product identifiers. "BROKEN" fails the way a
// damaged codec registration does; unknown identifiers fail too.
#include <windows.h>
#include <objbase.h>

#include <cstring>

namespace {

struct CCodec {
    const char* productId;
    const char* name;
};

const CCodec kCodecs[] = {
    {"WMA9", "Windows Media Audio 9"},
    {"MP3", "MPEG-1 Audio Layer 3"},
    {"AA4", "Audible Format 4"},
    {"ACELP", "ACELP.net"},
    // Names come from codec registrations: not every one is plain text.
    {"QA", "Q&A <Speech> \"Lite\""},
};

}  // namespace

// Named undecorated by Grainhold.def, as the host's library exports it.

extern "C" INT32 WINAPI GetCodecNameFromProductID(const char* productId, char** name) {
    if (productId == nullptr || name == nullptr) return 0;
    // A damaged registration fails with its half-read name left behind: a
    // string the library never allocated.
    static char partial[] = "Windows Media";
    if (std::strcmp(productId, "BROKEN") == 0) {
        *name = partial;
        return 0;
    }
    for (const CCodec& codec : kCodecs) {
        if (std::strcmp(codec.productId, productId) != 0) continue;
        const std::size_t size = std::strlen(codec.name) + 1;
        auto* copy = static_cast<char*>(::CoTaskMemAlloc(size));
        if (copy == nullptr) return 0;
        std::memcpy(copy, codec.name, size);
        *name = copy;
        return 1;
    }
    return 0;
}
