#include "products/quarvel/rule/Rule.h"

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

} // namespace products::quarvel::rule
