#include "BadInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

}  // namespace

void ExpectAnswers(const std::vector<BadCall>& calls) {
    for (const BadCall& row : calls) EXPECT_EQ(Hex(row.expected), Hex(row.call())) << row.name;
}

CUnterminatedText::CUnterminatedText() {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const SIZE_T page = system.dwPageSize;
    m_pBase = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (m_pBase == nullptr) return;
    DWORD old = 0;
    VirtualProtect(m_pBase + page, page, PAGE_NOACCESS, &old);
    m_pText = m_pBase + page - kLength;
    std::memset(m_pText, 'x', kLength);
}

CUnterminatedText::~CUnterminatedText() {
    if (m_pBase != nullptr) VirtualFree(m_pBase, 0, MEM_RELEASE);
}

const std::string& OversizedText() {
    static const std::string text(1 << 20, 'y');
    return text;
}
