#pragma once

#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <cstdint>
#include <string>
#include <vector>

namespace products::quarvel::rule {

/// One finding: where it is and what the rule says about it.
struct Defect {
    std::string fileName;
    std::int32_t line;
    std::string message;

    bool operator==(const Defect& other) const {
        return fileName == other.fileName && line == other.line && message == other.message;
    }
};

/// Defects in the order the rule found them; never sorted afterwards.
using DefectList = std::vector<Defect>;

/// One numbered coding check. A rule overrides the one operation for the view it reads;
/// the other two report nothing. Rules keep no state between calls.
class Rule {
  public:
    virtual ~Rule() = default;
    /// The code view: comments filled with carriage returns, literal contents with spaces.
    virtual DefectList checkCode(const std::string& code, const std::string& fileName) const;
    /// The comment view: only block comments and line feeds are left.
    virtual DefectList checkComments(const std::string& comments,
                                     const std::string& fileName) const;
    /// The file as loaded.
    virtual DefectList checkRaw(const std::string& raw, const std::string& fileName) const;
};

/// Runs one rule over a file's views as the run does and gathers its defects: those of the
/// raw text, then those of the comment view, then those of the code view.
DefectList checkViews(const Rule& rule,
                      const util::parser::compiler::syntaxhighlighter::SourceViews& views,
                      const std::string& fileName);

} // namespace products::quarvel::rule
