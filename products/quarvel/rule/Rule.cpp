#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

void Rule::checkCode(const std::string&, DefectListener&) const {}
void Rule::checkComments(const std::string&, DefectListener&) const {}
void Rule::checkRaw(const std::string&, DefectListener&) const {}

void checkViews(const Rule& rule,
                const util::parser::compiler::syntaxhighlighter::SourceViews& views,
                DefectListener& defects) {
    rule.checkRaw(views.raw, defects);
    rule.checkComments(views.comments, defects);
    rule.checkCode(views.code, defects);
}

} // namespace products::quarvel::rule
