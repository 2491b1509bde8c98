#include "EventTally.h"

#include <fstream>
#include <sstream>

void CEventTally::AddLog(const std::wstring& path) {
    std::ifstream file(path.c_str());
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string control, event, number, name;
        if (words >> control >> event >> number >> name && event == "event") {
            const size_t bracket = name.find('(');
            ++m_mapCounts[name.substr(0, bracket)];
        }
    }
}

std::string CEventTally::Text() const {
    std::string text;
    for (const auto& [name, count] : m_mapCounts)
        text += (text.empty() ? "" : ", ") + name + " " + std::to_string(count);
    return text.empty() ? "none" : text;
}
