#include "module/RegistryScriptParser.h"

#include <cwctype>

namespace {

// Registry limits: 255 characters for a key name, 16,383 for a value name.
constexpr std::size_t kMaxKeyName = 255;
constexpr std::size_t kMaxValueName = 16383;

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool EqualsKeyword(std::wstring_view word, std::wstring_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::towlower(word[i]) != std::towlower(keyword[i])) return false;
    return true;
}

bool IsKeyword(std::wstring_view word) {
    for (const wchar_t* keyword : {L"ForceRemove", L"NoRemove", L"val"})
        if (EqualsKeyword(word, keyword)) return true;
    return false;
}

}  // namespace

std::optional<CRegistryScript> CRegistryScriptParser::Parse(std::wstring_view text, CRegistryScriptError& error) {
    CRegistryScriptParser parser;
    CRegistryScript script;
    if (parser.Tokenize(text) && parser.ParseScript(script)) return script;
    error = parser.m_Error;
    return std::nullopt;
}

bool CRegistryScriptParser::Tokenize(std::wstring_view text) {
    std::size_t position = 0;
    while (true) {
        while (position < text.size() && IsSpace(text[position])) ++position;
        const std::size_t start = position;
        if (position == text.size()) break;
        if (text[position] == L'\'') {
            std::wstring quoted;
            for (++position;; ++position) {
                if (position == text.size()) {
                    m_Error = {start, "quoted string without its closing quote"};
                    return false;
                }
                if (text[position] == L'\'') {
                    if (position + 1 < text.size() && text[position + 1] == L'\'') {
                        ++position;
                    } else {
                        ++position;
                        break;
                    }
                }
                if (text[position] < L' ' && text[position] != L'\t') {
                    m_Error = {position, "control character inside a quoted string"};
                    return false;
                }
                quoted += text[position];
            }
            m_vecTokens.push_back({CToken::Kind::Quoted, std::move(quoted), start});
            continue;
        }
        while (position < text.size() && !IsSpace(text[position])) {
            if (text[position] == L'\'' || text[position] < L' ') {
                m_Error = {position, "quote or control character inside a word"};
                return false;
            }
            ++position;
        }
        std::wstring word(text.substr(start, position - start));
        CToken::Kind kind = CToken::Kind::Word;
        if (word == L"{") kind = CToken::Kind::OpenBrace;
        if (word == L"}") kind = CToken::Kind::CloseBrace;
        if (word == L"=") kind = CToken::Kind::Equals;
        m_vecTokens.push_back({kind, std::move(word), start});
    }
    m_vecTokens.push_back({CToken::Kind::End, std::wstring(), text.size()});
    return true;
}

bool CRegistryScriptParser::ParseScript(CRegistryScript& script) {
    while (Peek().kind != CToken::Kind::End) {
        if (!PeekKeyword(L"HKCR") && !PeekKeyword(L"HKEY_CLASSES_ROOT"))
            return Fail("expected HKCR: no other root key is served");
        Take();
        if (!Expect(CToken::Kind::OpenBrace, "expected '{' after the root key")) return false;
        if (!ParseBlock(script.classesRootKeys, nullptr, 1)) return false;
    }
    return true;
}

// Reads the items of a block up to and including its closing brace. The
// root block has no key of its own, so `values` is null there.
bool CRegistryScriptParser::ParseBlock(std::vector<CRegistryScriptKey>& keys, std::vector<CRegistryScriptValue>* values,
                                       int depth) {
    while (true) {
        switch (Peek().kind) {
            case CToken::Kind::CloseBrace:
                Take();
                return true;
            case CToken::Kind::End:
                return Fail("block without its closing '}'");
            default:
                break;
        }
        if (PeekKeyword(L"val")) {
            if (values == nullptr) return Fail("'val' outside a key");
            if (!ParseValue(*values)) return false;
        } else if (!ParseKey(keys, depth)) {
            return false;
        }
    }
}

bool CRegistryScriptParser::ParseKey(std::vector<CRegistryScriptKey>& keys, int depth) {
    CRegistryScriptKey key;
    if (PeekKeyword(L"ForceRemove")) {
        key.mark = RegistryKeyMark::ForceRemove;
        Take();
    } else if (PeekKeyword(L"NoRemove")) {
        key.mark = RegistryKeyMark::NoRemove;
        Take();
    }
    if (!ParseKeyName(key.name)) return false;
    if (Peek().kind == CToken::Kind::Equals) {
        Take();
        std::wstring data;
        if (!ParseStringData(data)) return false;
        key.defaultValue = std::move(data);
    }
    if (Peek().kind == CToken::Kind::OpenBrace) {
        if (depth >= kMaxDepth) return Fail("keys nested too deeply");
        Take();
        if (!ParseBlock(key.subkeys, &key.values, depth + 1)) return false;
    }
    keys.push_back(std::move(key));
    return true;
}

bool CRegistryScriptParser::ParseValue(std::vector<CRegistryScriptValue>& values) {
    Take();  // val
    const CToken& name = Peek();
    if (name.kind != CToken::Kind::Word && name.kind != CToken::Kind::Quoted) return Fail("expected a value name");
    if (name.text.empty() || name.text.size() > kMaxValueName) return Fail("value name empty or too long");
    CRegistryScriptValue value{Take().text, std::wstring()};
    if (!Expect(CToken::Kind::Equals, "expected '=' after the value name")) return false;
    if (!ParseStringData(value.data)) return false;
    values.push_back(std::move(value));
    return true;
}

bool CRegistryScriptParser::ParseKeyName(std::wstring& name) {
    const CToken& token = Peek();
    if (token.kind == CToken::Kind::Word && IsKeyword(token.text)) return Fail("a keyword where a key name belongs");
    if (token.kind != CToken::Kind::Word && token.kind != CToken::Kind::Quoted) return Fail("expected a key name");
    // A backslash would reach a key other than the one the block describes.
    if (token.text.empty() || token.text.size() > kMaxKeyName || token.text.find(L'\\') != std::wstring::npos)
        return Fail("key name empty, too long or containing '\\'");
    name = Take().text;
    return true;
}

bool CRegistryScriptParser::ParseStringData(std::wstring& data) {
    if (!PeekKeyword(L"s")) return Fail("expected s: only string values are served");
    Take();
    if (Peek().kind != CToken::Kind::Quoted) return Fail("expected a quoted string");
    data = Take().text;
    return true;
}

bool CRegistryScriptParser::Expect(CToken::Kind kind, const char* what) {
    if (Peek().kind != kind) return Fail(what);
    Take();
    return true;
}

bool CRegistryScriptParser::Fail(const char* message) {
    m_Error = {Peek().offset, message};
    return false;
}

bool CRegistryScriptParser::PeekKeyword(const wchar_t* keyword) const {
    return Peek().kind == CToken::Kind::Word && EqualsKeyword(Peek().text, keyword);
}
