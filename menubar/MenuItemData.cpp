#include "menubar/MenuItemData.h"

#include <set>

namespace {

// Every live record of the process: an item's data is only trusted when it
// is one of these, whatever its first word says.
std::set<const CMenuItemData*>& LiveItemData() {
    static std::set<const CMenuItemData*> live;
    return live;
}

}  // namespace

CMenuItemData::CMenuItemData() { LiveItemData().insert(this); }

CMenuItemData::~CMenuItemData() { LiveItemData().erase(this); }

void CMenuItemData::SetText(const std::string& text) {
    m_strText = text;
    // The header counts the text in 8-bit characters, and a reader may take
    // that many wide characters: the buffer holds as many and a terminator,
    // however few the conversion gives in a double-byte code page.
    const int length = static_cast<int>(text.size());
    m_wstrText.assign(text.size(), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, m_wstrText.data(), length);
    cchWText = static_cast<DWORD>(text.size());
    pszWText = m_wstrText.data();
}

CMenuItemData* CMenuItemData::FromItemData(ULONG_PTR data) {
    auto* record = reinterpret_cast<CMenuItemData*>(data);
    if (record == nullptr || LiveItemData().count(record) == 0) return nullptr;
    return record->dwMSAASignature == MSAA_MENU_SIG ? record : nullptr;
}

size_t CMenuItemData::LiveCount() { return LiveItemData().size(); }
