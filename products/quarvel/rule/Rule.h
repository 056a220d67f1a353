#pragma once

#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace products::quarvel::rule {

/// Where a rule puts its defects, one at a time, as it finds them. The message is read only
/// during the call, so a rule may build it in a temporary; the receiver knows the file.
class DefectListener {
  public:
    virtual void onDefect(std::int32_t line, std::string_view message) = 0;

  protected:
    ~DefectListener() = default;
};

/// One numbered coding check. A rule overrides the one operation for the view it reads;
/// the other two report nothing. Rules keep no state between calls.
class Rule {
  public:
    virtual ~Rule() = default;
    /// The code view: comments filled with carriage returns, literal contents with spaces.
    virtual void checkCode(const std::string& code, DefectListener& defects) const;
    /// The comment view: only block comments and line feeds are left.
    virtual void checkComments(const std::string& comments, DefectListener& defects) const;
    /// The file as loaded.
    virtual void checkRaw(const std::string& raw, DefectListener& defects) const;
};

/// Runs one rule over a file's views as the run does: the defects of the raw text, then those
/// of the comment view, then those of the code view.
void checkViews(const Rule& rule,
                const util::parser::compiler::syntaxhighlighter::SourceViews& views,
                DefectListener& defects);

/// One finding kept whole, for callers that look at a rule's defects after it has run.
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

/// Keeps every defect reported to it, under one file name.
class DefectCollector : public DefectListener {
  public:
    explicit DefectCollector(std::string fileName) : fileName_(std::move(fileName)) {}
    void onDefect(std::int32_t line, std::string_view message) override {
        defects_.push_back({fileName_, line, std::string(message)});
    }
    const DefectList& defects() const { return defects_; }
    DefectList takeDefects() { return std::move(defects_); }

  private:
    std::string fileName_;
    DefectList defects_;
};

} // namespace products::quarvel::rule
