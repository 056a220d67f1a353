#include "lsp/RuleLevel.h"

namespace lsp {

RuleLevel defaultLevel(std::int32_t) {
    return RuleLevel::kWarning;
}

int severityOf(RuleLevel level) {
    switch (level) {
    case RuleLevel::kError:
        return 1;
    case RuleLevel::kWarning:
        return 2;
    case RuleLevel::kNote:
        return 3;
    }
    return 2;
}

} // namespace lsp
