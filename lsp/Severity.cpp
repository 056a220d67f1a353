#include "lsp/Severity.h"

#include "products/quarvel/rule/RuleCatalogue.h"

namespace lsp {

Level defaultLevel(std::int32_t rule) {
    const products::quarvel::rule::RuleInfo* info = products::quarvel::rule::findRule(rule);
    return info ? info->level : Level::kWarning;
}

int severityOf(Level level) {
    switch (level) {
    case Level::kError:
        return 1;
    case Level::kWarning:
        return 2;
    case Level::kNote:
        return 3;
    }
    return 2;
}

} // namespace lsp
