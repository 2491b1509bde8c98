// Reads the text of a registry script into a RegistryScript. The whole text
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

class RegistryScriptParser {
  public:
    // Deeper than any real script goes, low enough that garbage full of
    // braces cannot exhaust the stack.
    static constexpr int kMaxDepth = 32;

    static std::optional<RegistryScript> Parse(std::wstring_view text, RegistryScriptError& error);

  private:
    struct Token {
        enum class Kind { End, Word, Quoted, OpenBrace, CloseBrace, Equals };
        Kind kind;
        std::wstring text;
        std::size_t offset;
    };

    bool Tokenize(std::wstring_view text);
    bool ParseScript(RegistryScript& script);
    bool ParseBlock(std::vector<RegistryScriptKey>& keys, std::vector<RegistryScriptValue>* values, int depth);
    bool ParseKey(std::vector<RegistryScriptKey>& keys, int depth);
    bool ParseValue(std::vector<RegistryScriptValue>& values);
    bool ParseKeyName(std::wstring& name);
    bool ParseStringData(std::wstring& data);
    bool Expect(Token::Kind kind, const char* what);
    bool Fail(const char* message);

    const Token& Peek() const { return tokens_[next_]; }
    const Token& Take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }
    bool PeekKeyword(const wchar_t* keyword) const;

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    RegistryScriptError error_;
};

#endif
