#pragma once

// What the tests of the block rules share: the code view of a generated source, the bracket
// scan counted as the rules' bracket index counts it, a follower of "the first place from a
// body's start" for rules that let one answer serve nested bodies, the reference of the rules
// that judge a whole block, and the fragments their texts are made of.

#include "products/quarvel/rule/Rule.h"
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarvel::testing {

/// The code view that the run gives the rules.
inline std::string codeViewOf(const std::string& raw) {
    return util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
}

/// How far one text took a rule's second paths, as seen by its reference.
struct Reach {
    /// Closing brackets that the rule's bracket index gave, not a direct scan.
    std::size_t indexedAnswers = 0;
    /// Openings without their closing bracket.
    std::size_t unclosed = 0;
    /// Bodies that an answer found from an earlier, enclosing body's start served, where that
    /// answer lies past their end: the rule must not take it as theirs.
    std::size_t sharedAnswers = 0;
};

/// The bracket scan byte by byte, with what it reaches counted in `reach`.
class CountedBrackets {
  public:
    CountedBrackets(const std::string& text, char open, char close, Reach* reach)
        : scan_(text, open, close), reach_(reach) {}

    std::optional<std::size_t> matchingClose(std::size_t start) {
        const std::optional<std::size_t> found = scan_.matchingClose(start);
        if (reach_ && scan_.indexed())
            ++reach_->indexedAnswers;
        if (reach_ && !found)
            ++reach_->unclosed;
        return found;
    }

  private:
    CountedBracketScan scan_;
    Reach* reach_;
};

/// A stretch [begin, end) where something stands; begin is npos when there is none.
struct Place {
    std::size_t begin = std::string::npos;
    std::size_t end = std::string::npos;
};

/// Follows the first place of something at or after each body's start, in the order the
/// bodies come, and counts in `reach` the bodies for which the previous body's answer would
/// serve (their start lies between the previous start and that answer) while the answer lies
/// past their end.
class SharedAnswers {
  public:
    SharedAnswers(std::function<Place(std::size_t start)> firstFrom, Reach* reach)
        : firstFrom_(std::move(firstFrom)), reach_(reach) {}

    void body(std::size_t start, std::size_t end) {
        if (reach_ && previous_ && previousStart_ < start &&
            previous_->begin != std::string::npos && start <= previous_->begin &&
            previous_->end > end)
            ++reach_->sharedAnswers;
        previousStart_ = start;
        previous_ = firstFrom_(start);
    }

  private:
    std::function<Place(std::size_t start)> firstFrom_;
    Reach* reach_;
    std::size_t previousStart_ = 0;
    std::optional<Place> previous_;
};

/// Where a whole-block rule reports a block.
enum class ReportAt { MatchBegin, MatchEnd };

/// The plain algorithm of a rule that judges whole blocks: the search loop of `header` (which
/// ends with an opening brace and one byte) over the code view, the bracket scan from the
/// match's last byte, `body` tested against the whole block body, one defect at the match's
/// start or end, and the loop resumed at the end of the match. A block without its closing
/// brace gives no defect.
inline products::quarvel::rule::DefectList
plainWholeBlocks(const Pattern& header, const Pattern& body, const std::string& raw,
                 const char* message, ReportAt reportAt, Reach* reach = nullptr) {
    const std::string code = codeViewOf(raw);
    products::quarvel::rule::DefectList defects;
    CountedBrackets braces(code, '{', '}', reach);
    plainForEachMatch(header, code, [&](const Match& m) -> Resume {
        const std::size_t bodyStart = m.end() - 1;
        const std::optional<std::size_t> close = braces.matchingClose(bodyStart);
        if (close && plainWholeBlock(body, code, bodyStart, *close)) {
            const std::size_t at = reportAt == ReportAt::MatchEnd ? m.end() : m.begin();
            defects.push_back({"T.java", plainLineAt(code, at), message});
        }
        return m.end();
    });
    return defects;
}

/// The plain algorithm of the rules on statements with an empty body: the search loop of
/// `header` (group 1 starts at the keyword; the match ends with an opening parenthesis and
/// one byte) over the code view, the parenthesis scan from the match's last byte, then
/// "\A\)\s*;" searched from the closing parenthesis to the end of the view; one defect at the
/// keyword unless `exempt` says otherwise, and the loop resumed at the end of the match.
inline products::quarvel::rule::DefectList plainEmptyStatements(
    const Pattern& header, const std::string& raw, const char* message,
    const std::function<bool(const std::string& code, std::size_t keyword)>& exempt,
    Reach* reach = nullptr) {
    static const Pattern emptyStatement(R"(\A\)\s*;)");
    const std::string code = codeViewOf(raw);
    products::quarvel::rule::DefectList defects;
    CountedBrackets parentheses(code, '(', ')', reach);
    plainForEachMatch(header, code, [&](const Match& m) -> Resume {
        const std::size_t keyword = m.group(1).begin;
        const std::optional<std::size_t> close = parentheses.matchingClose(m.end() - 1);
        if (close && plainSearch(emptyStatement, code, *close) && !exempt(code, keyword))
            defects.push_back({"T.java", plainLineAt(code, keyword), message});
        return m.end();
    });
    return defects;
}

/// Blanks of every kind, a Windows line end, and comments and literals that the code view
/// blanks (with brackets inside, which must not count).
inline std::vector<std::string> blanksAndBlanked() {
    return {" ",     "\n",     "\t",      "\r",    "\v",  "\f",    "\r\n",
            "/*c*/", "// c\n", "/* { */", "\"}\"", "'{'", "\"(\"", "')'"};
}

/// The fragments followed by the blanks and blanked texts.
inline std::vector<std::string> withBlanks(std::vector<std::string> fragments) {
    for (std::string& blank : blanksAndBlanked())
        fragments.push_back(std::move(blank));
    return fragments;
}

/// Deeply nested texts with long bodies: first mostly openers, then mostly closers, so that
/// most blocks run over half the text and the direct bracket scans of a rule soon exceed its
/// bracket index's allowance.
inline rc::Gen<std::string> deeplyNested(const std::vector<std::string>& openers,
                                         const std::vector<std::string>& bodies,
                                         const std::vector<std::string>& closers) {
    const auto mostly = [&](const std::vector<std::string>& fragments) {
        std::vector<std::string> mix;
        for (int copy = 0; copy < 3; ++copy)
            mix.insert(mix.end(), fragments.begin(), fragments.end());
        mix.insert(mix.end(), bodies.begin(), bodies.end());
        return mix;
    };
    return concatenated({textOfCount(40, mostly(openers)), textOfCount(40, bodies),
                         textOfCount(40, mostly(closers))});
}

} // namespace quarvel::testing
