#pragma once

#include "products/quarvel/rule/Rule.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvel::testing {

/// The rule entered under a number in a registry of all rules, as the program builds it.
const products::quarvel::rule::Rule& ruleNumbered(std::int32_t number);

/// Runs one rule over a source exactly as the run does: the same views, the same order of
/// defects.
products::quarvel::rule::DefectList runRule(std::int32_t number, const std::string& raw,
                                            const std::string& fileName = "T.java");

/// The defects as "LINE message" texts, one each, in their order: easy to read when a
/// comparison fails.
std::vector<std::string> describe(const products::quarvel::rule::DefectList& defects);

} // namespace quarvel::testing
