// A persisted control stream, as a host's document could hold it, read
// with the property tables of both controls. What is read must encode back
// to the very bytes it was read from.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "module/control/PropertyStream.h"

namespace {

class MemorySource final : public CPropertyByteSource {
  public:
    MemorySource(const std::uint8_t* data, std::size_t size) : m_pData(data), m_cbSize(size) {}
    HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t& read) override {
        read = static_cast<std::uint32_t>(std::min<std::size_t>(size, m_cbSize - m_cbRead));
        std::memcpy(buffer, m_pData + m_cbRead, read);
        m_cbRead += read;
        return S_OK;
    }
    std::size_t Consumed() const { return m_cbRead; }

  private:
    const std::uint8_t* m_pData;
    std::size_t m_cbSize;
    std::size_t m_cbRead = 0;
};

const CPersistedProperty kPaneProperties[] = {
    {"_cx", PropertyStorage::ExtentWidth, -1},
    {"_cy", PropertyStorage::ExtentHeight, -1},
};
const CPersistedProperty kBarProperties[] = {
    {"_cx", PropertyStorage::ExtentWidth, -1},
    {"_cy", PropertyStorage::ExtentHeight, -1},
    {"BackColor", PropertyStorage::Variant, -501},
    {"ForeColor", PropertyStorage::Variant, -513},
};

void ReadAndEncodeBack(const std::uint8_t* data, std::size_t size, CTable<CPersistedProperty> properties) {
    MemorySource source(data, size);
    CPersistedState state;
    if (ReadPersistedState(source, properties, state) != S_OK) return;
    std::vector<CEncodedEntry> entries;
    if (EncodePersistedState(properties, state, entries) != S_OK) __builtin_trap();
    std::vector<std::uint8_t> encoded;
    for (const CEncodedEntry& entry : entries) encoded.insert(encoded.end(), entry.bytes.begin(), entry.bytes.end());
    // Any version up to the current one is read; the current one is written.
    if (encoded.size() != source.Consumed() || std::memcmp(encoded.data() + 4, data + 4, encoded.size() - 4) != 0)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadAndEncodeBack(data, size, TableOf(kPaneProperties));
    ReadAndEncodeBack(data, size, TableOf(kBarProperties));
    return 0;
}
