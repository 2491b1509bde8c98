// What the bad-input sweep shares: tables of calls with the answer each must
// give, and strings that a careless host hands in.
#ifndef KESTREL_TESTS_BAD_INPUT_H
#define KESTREL_TESTS_BAD_INPUT_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct BadCall {
    const char* name;
    std::function<HRESULT()> call;
    HRESULT expected;
};

// Runs every call of the table and reports each answer that differs.
void ExpectAnswers(const std::vector<BadCall>& calls);

// A string of 'x' with no terminator, running to the end of a committed
// page that a PAGE_NOACCESS page follows: whoever reads past it faults.
class CUnterminatedText {
  public:
    CUnterminatedText();
    ~CUnterminatedText();
    CUnterminatedText(const CUnterminatedText&) = delete;
    CUnterminatedText& operator=(const CUnterminatedText&) = delete;
    const char* Get() const { return m_pText; }
    // The first byte of the inaccessible page.
    const char* PageEnd() const { return m_pText != nullptr ? m_pText + kLength : nullptr; }
    // The same memory as wide characters.
    const wchar_t* Wide() const { return reinterpret_cast<const wchar_t*>(m_pText); }

  private:
    static constexpr size_t kLength = 64;  // short enough for a fixed field to copy
    char* m_pBase = nullptr;
    char* m_pText = nullptr;
};

// A terminated string of a megabyte.
const std::string& OversizedText();

#endif
