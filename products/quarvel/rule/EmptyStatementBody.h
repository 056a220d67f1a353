#pragma once

#include "products/quarvel/rule/PatternSearch.h"

#include <functional>

namespace products::quarvel::rule {

/// The search shared by the for, if and while rules: for every match of `header` (group 1
/// starts at the keyword; the match ends with the opening parenthesis and one more byte)
/// whose parenthesis is closed and followed by optional white space and ";", one defect at
/// the keyword, unless `exempt` says otherwise for that keyword's position.
void emptyStatementBodies(std::int32_t ruleNumber, const Pattern& header, const std::string& code,
                          DefectSink& defects, const char* message,
                          const std::function<bool(std::size_t keyword)>& exempt = {});

} // namespace products::quarvel::rule
