#include "devicepane/ProgramRecords.h"

#include <cstring>
#include <new>

CProgramRecords::~CProgramRecords() = default;

CDeviceProgram* CProgramRecords::Add(const CDeviceProgram& program) {
    CDeviceProgram* slot = m_pFreeSlot;
    if (slot != nullptr) {
        std::memcpy(&m_pFreeSlot, slot, sizeof m_pFreeSlot);
    } else {
        if (m_nUsedInLast == kBlockSize) {
            std::unique_ptr<CBlock> block(new (std::nothrow) CBlock);
            if (!block) return nullptr;
            try {
                m_blocks.push_back(std::move(block));
            } catch (const std::bad_alloc&) {
                return nullptr;
            }
            m_nUsedInLast = 0;
        }
        slot = &m_blocks.back()->records[m_nUsedInLast++];
    }
    std::memcpy(slot, &program, sizeof program);
    return slot;
}

void CProgramRecords::Free(CDeviceProgram* record) {
    if (record == nullptr) return;
    std::memcpy(record, &m_pFreeSlot, sizeof m_pFreeSlot);
    m_pFreeSlot = record;
}

void CProgramRecords::FreeAll() {
    m_blocks.clear();
    m_nUsedInLast = kBlockSize;
    m_pFreeSlot = nullptr;
}
