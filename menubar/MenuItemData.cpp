#include "menubar/MenuItemData.h"

#include <set>

namespace {

// Every live record of the process: an item's data is only trusted when it
// is one of these, whatever its first word says.
std::set<const CMenuItemData*>& LiveItemData() {
    static std::set<const CMenuItemData*> live;
    return live;
}

std::wstring WideFromAnsi(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

CMenuItemData::CMenuItemData() { LiveItemData().insert(this); }

CMenuItemData::~CMenuItemData() { LiveItemData().erase(this); }

void CMenuItemData::SetText(const std::string& text) {
    m_strText = text;
    m_wstrText = WideFromAnsi(text);
    cchWText = static_cast<DWORD>(text.size());
    pszWText = m_wstrText.data();
}

CMenuItemData* CMenuItemData::FromItemData(ULONG_PTR data) {
    auto* record = reinterpret_cast<CMenuItemData*>(data);
    if (record == nullptr || LiveItemData().count(record) == 0) return nullptr;
    return record->dwMSAASignature == MSAA_MENU_SIG ? record : nullptr;
}

size_t CMenuItemData::LiveCount() { return LiveItemData().size(); }
