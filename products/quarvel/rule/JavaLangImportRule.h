#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1001: an explicit import of a java.lang class.
class JavaLangImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1001;
    /// One defect per matching import, at the word import.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
