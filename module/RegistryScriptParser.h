// Reads the text of a registry script into a CRegistryScript. The whole text
// is parsed before anything is returned, so a damaged script never leads to
// a partial registration.
//
//   HKCR
//   {
//       NoRemove CLSID
//       {
//           ForceRemove '{...}' = s 'Name'
//           {
//               InprocServer32 = s 'C:\dir\Kestrel.dll'
//               {
//                   val ThreadingModel = s 'Both'
//               }
//           }
//       }
//   }
//
// Words are separated by white space; a quoted string is enclosed in single
// quotes, a quote inside it doubled. Keywords (HKCR, HKEY_CLASSES_ROOT,
// ForceRemove, NoRemove, val, s) are matched without regard to case; a key
// with a keyword for a name must be quoted.
#ifndef KESTREL_REGISTRY_SCRIPT_PARSER_H
#define KESTREL_REGISTRY_SCRIPT_PARSER_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "module/RegistryScript.h"

class CRegistryScriptParser {
  public:
    // Deeper than any real script goes, low enough that garbage full of
    // braces cannot exhaust the stack.
    static constexpr int kMaxDepth = 32;

    static std::optional<CRegistryScript> Parse(std::wstring_view text, CRegistryScriptError& error);

  private:
    struct CToken {
        enum class Kind { End, Word, Quoted, OpenBrace, CloseBrace, Equals };
        Kind kind;
        std::wstring text;
        std::size_t offset;
    };

    bool Tokenize(std::wstring_view text);
    bool ParseScript(CRegistryScript& script);
    bool ParseBlock(std::vector<CRegistryScriptKey>& keys, std::vector<CRegistryScriptValue>* values, int depth);
    bool ParseKey(std::vector<CRegistryScriptKey>& keys, int depth);
    bool ParseValue(std::vector<CRegistryScriptValue>& values);
    bool ParseKeyName(std::wstring& name);
    bool ParseStringData(std::wstring& data);
    bool Expect(CToken::Kind kind, const char* what);
    bool Fail(const char* message);

    const CToken& Peek() const { return m_vecTokens[m_nNext]; }
    const CToken& Take() { return m_vecTokens[m_nNext < m_vecTokens.size() - 1 ? m_nNext++ : m_nNext]; }
    bool PeekKeyword(const wchar_t* keyword) const;

    std::vector<CToken> m_vecTokens;
    std::size_t m_nNext = 0;
    CRegistryScriptError m_Error;
};

#endif
