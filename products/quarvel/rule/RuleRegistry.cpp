#include "products/quarvel/rule/RuleRegistry.h"

namespace products::quarvel::rule {

void RuleRegistry::add(std::int32_t number, const Rule& rule) {
    entries_.emplace(number, &rule);
}

const Rule* RuleRegistry::find(std::int32_t number) const {
    const auto entry = entries_.find(number);
    return entry == entries_.end() ? nullptr : entry->second;
}

} // namespace products::quarvel::rule
