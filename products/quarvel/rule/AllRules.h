#pragma once

#include "products/quarvel/rule/AssertMethodRule.h"
#include "products/quarvel/rule/BreakInSwitchRule.h"
#include "products/quarvel/rule/ConsoleOutputRule.h"
#include "products/quarvel/rule/DeadCodeRule.h"
#include "products/quarvel/rule/DefaultFinalizerRule.h"
#include "products/quarvel/rule/DoubleCheckedLockingRule.h"
#include "products/quarvel/rule/DuplicateImportRule.h"
#include "products/quarvel/rule/EmptyCatchBlockRule.h"
#include "products/quarvel/rule/EmptyClassRule.h"
#include "products/quarvel/rule/EmptyFinallyBlockRule.h"
#include "products/quarvel/rule/EmptyForBodyRule.h"
#include "products/quarvel/rule/EmptyIfBodyRule.h"
#include "products/quarvel/rule/EmptyWhileBodyRule.h"
#include "products/quarvel/rule/EqualsHashCodeRule.h"
#include "products/quarvel/rule/EqualsOverloadRule.h"
#include "products/quarvel/rule/EqualsWithoutGetClassRule.h"
#include "products/quarvel/rule/ExplicitFinalizerCallRule.h"
#include "products/quarvel/rule/FalseInequalityRule.h"
#include "products/quarvel/rule/FinalizerWithoutSuperRule.h"
#include "products/quarvel/rule/GeneralCatchTypeRule.h"
#include "products/quarvel/rule/GeneralThrowTypeRule.h"
#include "products/quarvel/rule/JavaLangImportRule.h"
#include "products/quarvel/rule/LongLineRule.h"
#include "products/quarvel/rule/MissingAuthorTagRule.h"
#include "products/quarvel/rule/MissingPackageRule.h"
#include "products/quarvel/rule/MixedIndentationRule.h"
#include "products/quarvel/rule/ModifierOrderRule.h"
#include "products/quarvel/rule/NonFinalParameterRule.h"
#include "products/quarvel/rule/ReturnInFinallyRule.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/rule/SamePackageImportRule.h"
#include "products/quarvel/rule/StringIdentityComparisonRule.h"
#include "products/quarvel/rule/StringLayoutConstraintRule.h"
#include "products/quarvel/rule/SuspiciousMethodNameRule.h"
#include "products/quarvel/rule/SwitchWithoutDefaultRule.h"
#include "products/quarvel/rule/TabCharacterRule.h"
#include "products/quarvel/rule/ThreadWithoutRunRule.h"
#include "products/quarvel/rule/TrueEqualityRule.h"
#include "products/quarvel/rule/UnknownJavadocTagRule.h"
#include "products/quarvel/rule/UnnecessaryIfRule.h"
#include "products/quarvel/rule/UnusedImportRule.h"
#include "products/quarvel/rule/UnusedLocalVariableRule.h"
#include "products/quarvel/rule/WildcardImportRule.h"

#include <cstddef>
#include <tuple>
#include <type_traits>

namespace products::quarvel::rule {

/// Every rule of the program, in ascending rule number. To add a rule, include its header
/// above and name its type here; its number is its own `kNumber`.
// clang-format off
using RuleTypes = std::tuple<
    UnusedImportRule,
    JavaLangImportRule,
    WildcardImportRule,
    DuplicateImportRule,
    SwitchWithoutDefaultRule,
    GeneralCatchTypeRule,
    EmptyCatchBlockRule,
    MixedIndentationRule,
    ModifierOrderRule,
    TrueEqualityRule,
    DoubleCheckedLockingRule,
    ConsoleOutputRule,
    ReturnInFinallyRule,
    StringIdentityComparisonRule,
    EqualsHashCodeRule,
    AssertMethodRule,
    EmptyIfBodyRule,
    EmptyWhileBodyRule,
    GeneralThrowTypeRule,
    SuspiciousMethodNameRule,
    TabCharacterRule,
    EmptyFinallyBlockRule,
    LongLineRule,
    UnusedLocalVariableRule,
    UnknownJavadocTagRule,
    EmptyForBodyRule,
    EqualsOverloadRule,
    FalseInequalityRule,
    DeadCodeRule,
    UnnecessaryIfRule,
    ThreadWithoutRunRule,
    DefaultFinalizerRule,
    FinalizerWithoutSuperRule,
    ExplicitFinalizerCallRule,
    EqualsWithoutGetClassRule,
    MissingPackageRule,
    SamePackageImportRule,
    MissingAuthorTagRule,
    NonFinalParameterRule,
    BreakInSwitchRule,
    StringLayoutConstraintRule,
    EmptyClassRule>;
// clang-format on

/// One object of every rule; the owner keeps it alive while a registry refers to it.
struct AllRules {
    static constexpr std::size_t kCount = std::tuple_size_v<RuleTypes>;

    RuleTypes rules;

    void registerInto(RuleRegistry& registry) const {
        std::apply(
            [&](const auto&... rule) {
                (registry.add(std::decay_t<decltype(rule)>::kNumber, rule), ...);
            },
            rules);
    }

    /// A registry of these rules.
    RuleRegistry registry() const {
        RuleRegistry entries;
        registerInto(entries);
        return entries;
    }
};

} // namespace products::quarvel::rule
