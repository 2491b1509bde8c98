// The program list's copies of the host's records, owned in one place: the
// rows point at them, and emptying the list frees them all in one pass
// instead of reading each row back. Records live in blocks of slots; a
// record freed alone gives its slot to the next one added.
#ifndef KESTREL_PROGRAM_RECORDS_H
#define KESTREL_PROGRAM_RECORDS_H

#include <cstddef>
#include <memory>
#include <vector>

#include "module/Kestrel.h"

class CProgramRecords {
  public:
    CProgramRecords() = default;
    ~CProgramRecords();
    CProgramRecords(const CProgramRecords&) = delete;
    CProgramRecords& operator=(const CProgramRecords&) = delete;

    // A copy of `program` at an address that stays until it is freed; null
    // when there is no memory for it.
    CDeviceProgram* Add(const CDeviceProgram& program);
    // One record of this store, or null.
    void Free(CDeviceProgram* record);
    // Every record, with the memory that held them.
    void FreeAll();

  private:
    static constexpr std::size_t kBlockSize = 64;
    struct CBlock {
        CDeviceProgram records[kBlockSize];
    };

    std::vector<std::unique_ptr<CBlock>> m_blocks;
    std::size_t m_nUsedInLast = kBlockSize;  // slots of the last block handed out
    CDeviceProgram* m_pFreeSlot = nullptr;   // freed slots, each holding the next one's address
};

#endif
