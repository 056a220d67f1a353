#include "products/quarvel/rule/RuleCatalogue.h"

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

#include <algorithm>

namespace products::quarvel::rule {
namespace {

template <class R> constexpr RuleInfo describe(std::string_view message) {
    return {R::kNumber, R::kName, message, R::kHelp};
}

const std::array<RuleInfo, kRuleCount> kCatalogue = {{
    describe<UnusedImportRule>("Unused import statement."),
    describe<JavaLangImportRule>("Explicit import of java.lang class."),
    describe<WildcardImportRule>("Wildcard import declaration."),
    describe<DuplicateImportRule>("Duplicate import statement."),
    describe<SwitchWithoutDefaultRule>("No default case found in switch block."),
    describe<GeneralCatchTypeRule>("Type in catch clause too general."),
    describe<EmptyCatchBlockRule>("Empty catch block."),
    describe<MixedIndentationRule>("Mixed indentation style."),
    describe<ModifierOrderRule>(
        "Order of modifiers should be pub pro pri abs sta fin synch nat stri."),
    describe<TrueEqualityRule>("Equality operation on 'true' boolean literal."),
    describe<DoubleCheckedLockingRule>("Broken double lock idiom."),
    describe<ConsoleOutputRule>("Output on System.out or System.err."),
    describe<ReturnInFinallyRule>("Return statement in finally block."),
    describe<StringIdentityComparisonRule>("String comparison using == or != operator."),
    describe<EqualsHashCodeRule>("Override both Object.equals() and Object.hashCode()"),
    describe<AssertMethodRule>("assert is a keyword in JDK1.4."),
    describe<EmptyIfBodyRule>("if statement with empty body."),
    describe<EmptyWhileBodyRule>("while statement with empty body."),
    describe<GeneralThrowTypeRule>("Type in throw statement too general."),
    describe<SuspiciousMethodNameRule>("Suspicious method name."),
    describe<TabCharacterRule>("Tab found. Prefer space when indenting source code."),
    describe<EmptyFinallyBlockRule>("Empty finally block."),
    describe<LongLineRule>("Line is too long. Prefer lines no longer than 80 characters."),
    describe<UnusedLocalVariableRule>("Unused local variable."),
    describe<UnknownJavadocTagRule>("Unknown javadoc tag."),
    describe<EmptyForBodyRule>("for statement with empty body."),
    describe<EqualsOverloadRule>("public boolean equals(Object o) overloaded."),
    describe<FalseInequalityRule>("Inequality operation on 'false' boolean literal."),
    describe<DeadCodeRule>("Dead code detected."),
    describe<UnnecessaryIfRule>("Unnecessary if statement."),
    describe<ThreadWithoutRunRule>("public void run() not overridden when extending Thread."),
    describe<DefaultFinalizerRule>("finalizer implements default behaviour."),
    describe<FinalizerWithoutSuperRule>("finalizer does not call super.finalize()."),
    describe<ExplicitFinalizerCallRule>("Explicit finalizer call."),
    describe<EqualsWithoutGetClassRule>(
        "Compare classes using getClass() in non-final equals method."),
    describe<MissingPackageRule>("No package declaration found."),
    describe<SamePackageImportRule>("Importing classes from current package."),
    describe<MissingAuthorTagRule>("No @author javadoc tag found."),
    describe<NonFinalParameterRule>("Declare parameters final."),
    describe<BreakInSwitchRule>("No break statement found."),
    describe<StringLayoutConstraintRule>("Do not use String literals when adding components."),
    describe<EmptyClassRule>("Empty class found."),
}};

// Rule 1007 names the byte it found and the style the file seems to have.
constexpr std::array<std::string_view, 2> kIndentationMessages = {
    "Mixed indentation style. Tab found. (File seems indented with space).",
    "Mixed indentation style. Space found. (File seems indented with tab)."};

// Rule 1024 puts the tag's name, one or more word bytes, between single quotes.
constexpr std::string_view kTagMessageEnd = "' is an unknown javadoc tag.";

bool isTagNameByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    // Bytes above 127 are word bytes or not by the platform's tables; a name may hold them.
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || byte == '_' || byte > 127;
}

bool isTagMessage(std::string_view message) {
    if (message.size() <= kTagMessageEnd.size() + 1 || message.front() != '\'' ||
        message.substr(message.size() - kTagMessageEnd.size()) != kTagMessageEnd)
        return false;
    const std::string_view name = message.substr(1, message.size() - kTagMessageEnd.size() - 1);
    return std::all_of(name.begin(), name.end(), isTagNameByte);
}

} // namespace

const std::array<RuleInfo, kRuleCount>& ruleCatalogue() {
    return kCatalogue;
}

const RuleInfo* findRule(std::int32_t number) {
    const std::int32_t first = kCatalogue.front().number;
    if (number < first || number - first >= static_cast<std::int32_t>(kRuleCount))
        return nullptr;
    return &kCatalogue[static_cast<std::size_t>(number - first)];
}

bool givesMessage(const RuleInfo& rule, std::string_view message) {
    switch (rule.number) {
    case MixedIndentationRule::kNumber:
        return message == kIndentationMessages[0] || message == kIndentationMessages[1];
    case UnknownJavadocTagRule::kNumber:
        return isTagMessage(message);
    default:
        return message == rule.message;
    }
}

} // namespace products::quarvel::rule
