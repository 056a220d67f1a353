#include "products/quarvel/rule/BreakInSwitchRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"
#include "util/AssertionReporter.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <algorithm>
#include <array>

namespace products::quarvel::rule {

using namespace search;

namespace {
using util::parser::compiler::syntaxhighlighter::CodeStripper;

// A switch is a match of "switch\s*\([^\{]+\{.": the word, optional white space, "(", at least
// one byte up to the first "{", the brace and one more byte. nextSwitch finds these directly.
const LiteralFinder kSwitchWord("switch");
// A case section is a match of "case\s+[^:]*?:(.*?)(case\s+[^\s;:]*?:|default:)" in the work
// text; CaseSections finds these directly, since the lazy group ran on to the end of the body
// from every "case" that no label followed.
const LiteralFinder kCaseWord("case");
const LiteralFinder kDefaultLabel("default:");
const std::array<const char*, 4> kTerminators = {"break", "return", "throw", "continue"};
const std::array<const char*, 2> kFallThroughRemarks = {"fall through", "falls through"};
// The line reported with a failed check for a nested switch's closing brace. While the body's
// braces balance, which the enclosing switch's own scan guarantees, the check cannot fail.
constexpr int kNestedSwitchCheckLine = 38;

/// The next switch match in [from, end): its start and its end, or nullopt.
std::optional<Span> nextSwitch(const std::string& text, std::size_t from, std::size_t end,
                               NextOf& openBraces) {
    for (std::size_t at = kSwitchWord.find(text, from, end); at != std::string::npos;
         at = kSwitchWord.find(text, at + 1, end)) {
        const std::size_t open = skipBlanks(text, at + 6, end);
        if (open >= end || text[open] != '(')
            continue;
        const std::size_t brace = openBraces.from(open + 1);
        if (brace == std::string::npos || brace + 1 >= end)
            return std::nullopt; // no later switch has a body either
        if (brace > open + 1)
            return Span{at, brace + 2};
    }
    return std::nullopt;
}

bool containsAny(const std::string& text, const char* const* first, const char* const* last) {
    return std::any_of(first, last,
                       [&](const char* word) { return text.find(word) != std::string::npos; });
}

/// A switch body with its nested switches blanked: the work text the case sections are
/// searched in. Each nested switch, blanked, is a run of spaces; runs of two or more spaces
/// all read alike to the case pattern and to the tests of a section (the only text they look
/// for that holds a space, "fall through", holds one), so a nested switch is kept as at most
/// two spaces. The work text is then as long as the switch's own text, and a switch nested
/// deep inside others is not copied once per enclosing switch.
class WorkText {
  public:
    /// Appends raw[from, to) as it stands.
    void keep(const std::string& raw, std::size_t from, std::size_t to) {
        pieces_.push_back({text_.size(), from});
        text_.append(raw, from, to - from);
    }
    /// Appends a blanked stretch of the given length.
    void blank(std::size_t length) { text_.append(std::min<std::size_t>(length, 2), ' '); }

    const std::string& text() const { return text_; }
    /// The raw position of a byte that was kept.
    std::size_t rawPosition(std::size_t at) const {
        const auto piece = std::upper_bound(
            pieces_.begin(), pieces_.end(), at,
            [](std::size_t position, const Piece& p) { return position < p.workStart; });
        return std::prev(piece)->rawStart + (at - std::prev(piece)->workStart);
    }

  private:
    struct Piece {
        std::size_t workStart;
        std::size_t rawStart;
    };
    std::string text_;
    std::vector<Piece> pieces_;
};

/// The work text of the switch body raw[bodyStart, bodyEnd), whose braces balance.
WorkText blankNestedSwitches(const std::string& raw, std::size_t bodyStart, std::size_t bodyEnd,
                             BracketIndex& braces, NextOf& openBraces) {
    WorkText work;
    std::size_t from = bodyStart;
    while (const auto nested = nextSwitch(raw, from, bodyEnd, openBraces)) {
        const auto close = braces.matchingClose(nested->end - 1);
        if (!close || *close >= bodyEnd) {
            util::reportAssertion("nestedParenMatch != string::npos", __FILE__,
                                  kNestedSwitchCheckLine);
            break; // the rest of the body stays as it is
        }
        work.keep(raw, from, nested->begin);
        work.blank(*close + 1 - nested->begin);
        from = *close + 1;
    }
    work.keep(raw, from, bodyEnd);
    return work;
}

/// The first "case" label at or after a position of a work text: "case", white space, a value
/// without white space, ";" or ":", and ":".
struct FindCaseLabel {
    const std::string* work;
    std::size_t operator()(std::size_t from) const {
        for (std::size_t at = kCaseWord.find(*work, from); at != std::string::npos;
             at = kCaseWord.find(*work, at + 1)) {
            const std::size_t value = skipBlanks(*work, at + 4);
            if (value == at + 4)
                continue;
            std::size_t i = value;
            while (i < work->size() && !isBlank((*work)[i]) && (*work)[i] != ';' &&
                   (*work)[i] != ':')
                ++i;
            if (i < work->size() && (*work)[i] == ':')
                return at;
        }
        return std::string::npos;
    }
};

/// The matches of the case pattern in a work text, one after the other. A section starts at
/// "case" and white space and runs from the first ":" after it to the next label: a "case"
/// label or "default:". The label the lazy pattern ends at is the first such label, so each
/// is looked for once, in order.
class CaseSections {
  public:
    explicit CaseSections(const std::string& work)
        : work_(work), colons_(work, ":"), caseLabels_(FindCaseLabel{&work}),
          defaultLabels_(work, kDefaultLabel) {}

    struct Section {
        std::size_t caseWord;
        std::size_t contentStart;
        std::size_t nextLabel;
    };

    /// The next match that starts at or after `from`, or nullopt.
    std::optional<Section> next(std::size_t from) {
        for (std::size_t at = kCaseWord.find(work_, from); at != std::string::npos;
             at = kCaseWord.find(work_, at + 1)) {
            if (at + 4 >= work_.size() || !isBlank(work_[at + 4]))
                continue;
            const std::size_t colon = colons_.from(at + 5);
            if (colon == std::string::npos)
                return std::nullopt; // no later "case" has a colon either
            const std::size_t label =
                std::min(caseLabels_.from(colon + 1), defaultLabels_.from(colon + 1));
            if (label == std::string::npos)
                return std::nullopt; // nor a label after it
            return Section{at, colon + 1, label};
        }
        return std::nullopt;
    }

  private:
    const std::string& work_;
    NextOf colons_;
    FirstFrom<FindCaseLabel> caseLabels_;
    NextLiteral defaultLabels_;
};

/// True when the section does something and then runs into the next label.
bool fallsThrough(const std::string& section) {
    const std::string code = CodeStripper::makeCodeView(section, ' ');
    return code.find(';') != std::string::npos &&
           !containsAny(code, kTerminators.begin(), kTerminators.end()) &&
           !containsAny(section, kFallThroughRemarks.begin(), kFallThroughRemarks.end());
}
} // namespace

void BreakInSwitchRule::checkRaw(const std::string& raw, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(raw);
        BracketIndex braces(raw, '{', '}');
        NextOf openBraces(raw, "{");
        for (std::size_t from = 0;
             const auto switchMatch = nextSwitch(raw, from, raw.size(), openBraces);) {
            // Inside the body: the nested switches are examined in turn.
            from = switchMatch->end;
            const std::size_t bodyStart = switchMatch->end - 1; // the character after '{'
            const auto close = braces.matchingClose(bodyStart);
            if (!close)
                continue;
            const WorkText work = blankNestedSwitches(raw, bodyStart, *close, braces, openBraces);
            CaseSections sections(work.text());
            for (std::size_t at = 0; const auto section = sections.next(at);) {
                const std::string content = work.text().substr(
                    section->contentStart, section->nextLabel - section->contentStart);
                if (fallsThrough(content))
                    defects.onDefect(lines.lineAt(work.rawPosition(section->caseWord)), kMessage);
                at = section->nextLabel; // the next label opens the next section
            }
        }
    });
}

} // namespace products::quarvel::rule
