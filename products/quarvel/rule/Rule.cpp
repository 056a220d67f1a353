#include "products/quarvel/rule/Rule.h"

#include <iterator>

namespace products::quarvel::rule {

DefectList Rule::checkCode(const std::string&, const std::string&) const {
    return {};
}
DefectList Rule::checkComments(const std::string&, const std::string&) const {
    return {};
}
DefectList Rule::checkRaw(const std::string&, const std::string&) const {
    return {};
}

namespace {
void appendMoved(DefectList& gathered, DefectList&& more) {
    if (gathered.empty())
        gathered = std::move(more);
    else
        gathered.insert(gathered.end(), std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
}
} // namespace

DefectList checkViews(const Rule& rule,
                      const util::parser::compiler::syntaxhighlighter::SourceViews& views,
                      const std::string& fileName) {
    DefectList gathered = rule.checkRaw(views.raw, fileName);
    appendMoved(gathered, rule.checkComments(views.comments, fileName));
    appendMoved(gathered, rule.checkCode(views.code, fileName));
    return gathered;
}

} // namespace products::quarvel::rule
