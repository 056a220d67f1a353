#pragma once

// The plain enumeration of the patterns that find a group after a keyword and then the group
// again after a lazy stretch that stops at a bracket:
//     KEYWORD\s+(GROUP);[^\(\{]*?TAIL
// (rule 1003: "import\s+([^*;]+);[^\(\{]*?import\s+\1;", rule 1036:
// "package\s+([^;]+);[^\(\{]*?import\s+\1\.[^\.]+;"). The back-reference lets the group start
// inside the white space after the keyword, and the match taken is the longest, which is not
// always the one the regex engine returns first. So at each start every way of laying out the
// pattern is tried, the lazy stretch stops at the first place where the tail matches, and the
// longest match is taken, then the one whose group starts earlier, then the longer group.

#include "products/quarvel/rule/Rule.h"
#include "tests/support/PlainSearch.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarvel::testing {

/// \s of the patterns.
inline bool isPatternSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool startsWithAt(const std::string& code, std::size_t at, const std::string& word) {
    return code.compare(at, word.size(), word) == 0;
}

/// One way the pattern matches: where it starts and ends and where group 1 lies.
struct Layout {
    std::size_t start;
    std::size_t end;
    std::size_t groupBegin;
    std::size_t groupEnd;
};

struct LazyStretchPattern {
    std::string keyword;
    /// Bytes that the group may not hold besides ';'.
    std::string notInGroup;
    /// The ends of the tail at `at`, for the group [groupBegin, groupEnd).
    std::function<std::vector<std::size_t>(const std::string& code, std::size_t at,
                                           std::size_t groupBegin, std::size_t groupEnd)>
        tailEnds;
    /// Where the search loop resumes after a match: at the end of the group, or of the match.
    bool resumesAtGroupEnd;
};

/// Every way the pattern matches from `start`, the lazy stretch taken as short as it can be
/// for each layout of what stands before it.
inline std::vector<Layout> layoutsAt(const LazyStretchPattern& pattern, const std::string& code,
                                     std::size_t start) {
    std::vector<Layout> layouts;
    if (!startsWithAt(code, start, pattern.keyword))
        return layouts;
    for (std::size_t groupBegin = start + pattern.keyword.size() + 1;
         groupBegin <= code.size() && isPatternSpace(code[groupBegin - 1]); ++groupBegin) {
        for (std::size_t groupEnd = groupBegin + 1;
             groupEnd < code.size() && code[groupEnd - 1] != ';' &&
             pattern.notInGroup.find(code[groupEnd - 1]) == std::string::npos;
             ++groupEnd) {
            if (code[groupEnd] != ';')
                continue;
            for (std::size_t stretchEnd = groupEnd + 1; stretchEnd <= code.size(); ++stretchEnd) {
                const std::vector<std::size_t> ends =
                    pattern.tailEnds(code, stretchEnd, groupBegin, groupEnd);
                for (const std::size_t end : ends)
                    layouts.push_back({start, end, groupBegin, groupEnd});
                if (!ends.empty() || stretchEnd == code.size() || code[stretchEnd] == '(' ||
                    code[stretchEnd] == '{')
                    break;
            }
        }
    }
    return layouts;
}

/// The match taken among the layouts at one start: the longest, then the one whose group
/// starts earlier, then the one whose group is longer.
inline std::optional<Layout> chosen(const std::vector<Layout>& layouts) {
    std::optional<Layout> best;
    for (const Layout& l : layouts) {
        if (!best || l.end > best->end ||
            (l.end == best->end &&
             (l.groupBegin < best->groupBegin ||
              (l.groupBegin == best->groupBegin && l.groupEnd > best->groupEnd))))
            best = l;
    }
    return best;
}

/// Each match of the search loop.
inline std::vector<Layout> plainMatches(const LazyStretchPattern& pattern,
                                        const std::string& code) {
    std::vector<Layout> matches;
    for (std::size_t start = 0; start < code.size(); ++start) {
        if (const auto match = chosen(layoutsAt(pattern, code, start))) {
            matches.push_back(*match);
            start = (pattern.resumesAtGroupEnd ? match->groupEnd : match->end) - 1;
        }
    }
    return matches;
}

/// The defects of a rule that reports each match at its end.
inline products::quarvel::rule::DefectList
plainLazyStretchDefects(const LazyStretchPattern& pattern, const std::string& raw,
                        const char* message) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    products::quarvel::rule::DefectList defects;
    for (const Layout& match : plainMatches(pattern, code))
        defects.push_back({"T.java", plainLineAt(code, match.end), message});
    return defects;
}

/// What generated texts must show that they reach, counted over code views.
struct LazyStretchReach {
    std::size_t reported = 0;
    std::size_t manyImports = 0;   // texts with over a hundred imports (the index's second path)
    std::size_t leadingBlanks = 0; // matches whose group starts inside the white space
    std::size_t notTheFirst = 0;   // matches longer than that of the name alone
    std::size_t sameHashOnly = 0; // texts where `first` and then `second` stand, no bracket between

    void add(const LazyStretchPattern& pattern, const std::string& code, const std::string& first,
             const std::string& second) {
        std::size_t imports = 0;
        for (std::size_t at = code.find("import"); at != std::string::npos;
             at = code.find("import", at + 1))
            ++imports;
        manyImports += imports > 100 ? 1 : 0;
        for (const Layout& match : plainMatches(pattern, code)) {
            ++reported;
            leadingBlanks += isPatternSpace(code[match.groupBegin]) ? 1 : 0;
            const std::vector<Layout> layouts = layoutsAt(pattern, code, match.start);
            std::size_t nameOnly = 0; // the group that starts after all the white space
            for (const Layout& l : layouts)
                nameOnly = std::max(nameOnly, l.groupBegin);
            for (const Layout& l : layouts) {
                if (l.groupBegin == nameOnly && l.end < match.end) {
                    ++notTheFirst;
                    break;
                }
            }
        }
        const std::size_t at = code.find(first);
        if (at != std::string::npos && code.find(second, at) != std::string::npos &&
            code.find_first_of("({", at) > code.find(second, at))
            ++sameHashOnly;
    }
};

} // namespace quarvel::testing
