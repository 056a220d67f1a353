#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/search/PatternSearch.h"

#include <functional>

namespace products::quarvel::rule {

/// The header of a for, if or while statement: a byte of `before` right before the keyword,
/// the keyword, optional white space, "(" and one more byte; for example "\s(for\s*\(.)". A
/// pattern that takes a longer run of `before` bytes ("[\s\{\};]+(while\s*\(.)") has the same
/// matches apart from where they start, since a run never reaches back over another keyword.
struct StatementHeader {
    search::ByteSet before;
    search::LiteralFinder keyword;
};

/// The search shared by the for, if and while rules: for every header whose parenthesis is
/// closed and followed by optional white space and ";", one defect at the keyword, unless
/// `exempt` says otherwise for that keyword's position. Headers are found as the search loop
/// would find the pattern's matches: leftmost first, each search going on after the byte that
/// follows the parenthesis.
void emptyStatementBodies(std::int32_t ruleNumber, const StatementHeader& header,
                          const std::string& code, DefectListener& defects, const char* message,
                          const std::function<bool(std::size_t keyword)>& exempt = {});

} // namespace products::quarvel::rule
