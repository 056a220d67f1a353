#include "products/quarvel/rule/UnusedLocalVariableRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace products::quarvel::rule {

using namespace search;

namespace {
// A method or constructor with a body is a match of "\w+\([^)]*\)[^;]*?\{.": a word right
// before "(", anything up to the first ")", then the first "{" with no ";" before it, and
// one more byte. nextMethodBody finds these directly.
// A declaration is a match of "(\w+)\s+([[:alpha:]_]+\w*)\s*(;|=)": a word, white space, a
// name that starts with a letter or underscore, optional white space, and ";" or "=".
// nextDeclaration finds these directly.

/// Words that put a statement, not a declaration, in front of a name.
const std::array<const char*, 5> kStatementWords = {"return", "throw", "break", "continue", "else"};

bool isStatementWord(std::string_view word) {
    for (const char* statement : kStatementWords) {
        if (word == statement)
            return true;
    }
    return false;
}

/// Answers, for one text, whether a name occurs in [from, to) with a non-word byte on both
/// sides, both inside the range: what "[^\w]" + name + "[^\w]" finds there. Names are
/// searched directly at first; once those searches have covered more bytes than the text
/// holds, the starts of every word of the text (a longest run of word bytes) are indexed once
/// and looked up instead, which gives the same answers since a name is word bytes alone.
class WordOccurrences {
  public:
    explicit WordOccurrences(const std::string& code) : code_(code) {}

    /// `name` is one or more word bytes.
    bool occursAsWord(std::string_view name, std::size_t from, std::size_t to) {
        if (to < from || to - from < name.size() + 2)
            return false;
        const std::size_t lastStart = to - 1 - name.size(); // leaves room for the byte after
        if (!built_) {
            const std::size_t budget = code_.size() + kScanAllowance - scanned_;
            const std::size_t scanEnd = from + std::min(budget, to - from);
            const std::string_view scanned(code_.data(), scanEnd);
            for (std::size_t at = scanned.find(name, from + 1);
                 at != std::string_view::npos && at <= lastStart; at = scanned.find(name, at + 1)) {
                if (!isWordByte(code_[at - 1]) && !isWordByte(code_[at + name.size()])) {
                    scanned_ += std::min(at - from, budget);
                    return true;
                }
            }
            if (scanEnd == to) {
                scanned_ += std::min(to - from, budget);
                return false;
            }
            build();
        }
        const auto word = starts_.find(name);
        if (word == starts_.end())
            return false;
        const auto at = std::lower_bound(word->second.begin(), word->second.end(), from + 1);
        return at != word->second.end() && *at <= lastStart;
    }

  private:
    /// Bytes the direct searches may cover beyond the size of the text.
    static constexpr std::size_t kScanAllowance = 4096;

    void build() {
        for (std::size_t i = 0; i < code_.size();) {
            if (!isWordByte(code_[i])) {
                ++i;
                continue;
            }
            const std::size_t begin = i;
            while (i < code_.size() && isWordByte(code_[i]))
                ++i;
            starts_[std::string_view(code_.data() + begin, i - begin)].push_back(begin);
        }
        built_ = true;
    }

    const std::string& code_;
    std::size_t scanned_ = 0;
    bool built_ = false;
    std::unordered_map<std::string_view, std::vector<std::size_t>> starts_;
};
struct Declaration {
    std::size_t wordBegin;
    std::size_t wordEnd;
    std::size_t nameBegin;
    std::size_t nameEnd;
    std::size_t end;
};

bool isLetterOrUnderscore(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

/// The leftmost declaration in [from, to). Every match ends at a ";" or "=", and reading
/// back from it (white space, the name, white space, the word, none of it before `from`)
/// gives the only match that can end there; the matches of later ";" and "=" start later.
std::optional<Declaration> nextDeclaration(const std::string& code, std::size_t from,
                                           std::size_t to) {
    const auto wordBack = [&](std::size_t at) {
        while (at > from && isWordByte(code[at - 1]))
            --at;
        return at;
    };
    for (std::size_t end = findByteOf(code, ';', '=', from, to); end < to;
         end = findByteOf(code, ';', '=', end + 1, to)) {
        const std::size_t nameEnd = skipBlanksBack(code, end, from);
        const std::size_t nameBegin = wordBack(nameEnd);
        if (nameBegin == nameEnd || !isLetterOrUnderscore(code[nameBegin]))
            continue;
        const std::size_t wordEnd = skipBlanksBack(code, nameBegin, from);
        const std::size_t wordBegin = wordBack(wordEnd);
        if (wordEnd == nameBegin || wordBegin == wordEnd)
            continue;
        return Declaration{wordBegin, wordEnd, nameBegin, nameEnd, end + 1};
    }
    return std::nullopt;
}

/// The end of the leftmost method-with-body match in [from, end of the code), or nullopt.
/// The first ")" and the first ";" or "{" after a position are shared by the candidates, so
/// a long stretch without them is crossed once, not once per candidate.
std::optional<std::size_t> nextMethodBody(const std::string& code, std::size_t from, NextOf& closes,
                                          NextOf& stops) {
    for (std::size_t open = code.find('(', from); open != std::string::npos;
         open = code.find('(', open + 1)) {
        if (open == from || !isWordByte(code[open - 1]))
            continue;
        const std::size_t close = closes.from(open + 1);
        if (close == std::string::npos)
            return std::nullopt; // no later "(" has a ")" after it either
        const std::size_t stop = stops.from(close + 1);
        if (stop == std::string::npos)
            return std::nullopt;
        if (code[stop] == '{' && stop + 1 < code.size())
            return stop + 2;
    }
    return std::nullopt;
}
} // namespace

void UnusedLocalVariableRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        WordOccurrences words(code);
        NextOf closes(code, ")");
        NextOf stops(code, ";{");
        std::size_t from = 0;
        while (const auto methodEnd = nextMethodBody(code, from, closes, stops)) {
            const std::size_t bodyStart = *methodEnd - 1; // the character after the brace
            const auto close = braces.matchingClose(bodyStart);
            // Without a closing brace the body runs to the end of the text.
            const std::size_t bodyEnd = close ? *close : code.size();
            std::size_t declarationsFrom = bodyStart;
            while (const auto declaration = nextDeclaration(code, declarationsFrom, bodyEnd)) {
                declarationsFrom = declaration->end;
                const std::string_view text(code);
                if (isStatementWord(text.substr(declaration->wordBegin,
                                                declaration->wordEnd - declaration->wordBegin)))
                    continue;
                const std::size_t nameBegin = declaration->nameBegin;
                const std::size_t nameEnd = declaration->nameEnd;
                // The scope ends at the first brace that closes more than it opens.
                const auto scopeClose = braces.matchingClose(nameEnd);
                const std::size_t scopeEnd = scopeClose ? *scopeClose : code.size();
                if (!words.occursAsWord(text.substr(nameBegin, nameEnd - nameBegin), nameEnd,
                                        scopeEnd))
                    defects.onDefect(lines.lineAt(nameBegin), kMessage);
            }
            // Nested blocks, local and anonymous classes included, belong to this body. A body
            // without its closing brace ran to the end of the text, so nothing is left to search.
            if (!close)
                break;
            from = *close;
        }
    });
}

} // namespace products::quarvel::rule
