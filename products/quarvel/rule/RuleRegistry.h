#pragma once

#include "products/quarvel/rule/Rule.h"

#include <cstdint>
#include <map>

namespace products::quarvel::rule {

/// The rules by number, walked in ascending order. Refers to rules it does not own.
class RuleRegistry {
  public:
    using Entries = std::map<std::int32_t, const Rule*>;

    /// Enters a rule under its number; a number already taken keeps its first rule.
    void add(std::int32_t number, const Rule& rule);
    const Rule* find(std::int32_t number) const;
    Entries::const_iterator begin() const { return entries_.begin(); }
    Entries::const_iterator end() const { return entries_.end(); }
    std::size_t size() const { return entries_.size(); }

  private:
    Entries entries_;
};

} // namespace products::quarvel::rule
