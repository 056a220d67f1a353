#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1024: a documentation tag that is not one of the known tags.
class UnknownJavadocTagRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1024;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "UnknownJavadocTag";
    /// The message names the tag; reports summarise it.
    static constexpr char kSummary[] = "Unknown javadoc tag.";
    static constexpr const char kHelp[] =
        "A tag after white space in a `/** */` comment that is not a standard block tag: ` * @todo "
        "fix` gives `'todo' is an unknown javadoc tag.`";
    /// Examines the documentation comments, up to the first one left open.
    void checkComments(const std::string& comments, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
