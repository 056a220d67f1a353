// Feeds arbitrary bytes to everything that reads untrusted input: the whole per-file analysis
// (views, in-source directives, all 42 rules), the configuration reader and the argument
// parser. A crash, a sanitizer report, a hang (libFuzzer's -timeout) or a failed internal
// check is a finding.
#include "app/Analysis.h"
#include "exceptions/Exception.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "products/quarvel/ruleconfig/RuleConfigException.h"
#include "util/AssertionReporter.h"
#include "util/parser/ArgumentParser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace products::quarvel;

const rule::RuleRegistry& registry() {
    static const rule::AllRules rules;
    static const rule::RuleRegistry entries = [] {
        rule::RuleRegistry r;
        rules.registerInto(r);
        return r;
    }();
    return entries;
}

void parseArguments(const std::string& text) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t zero = text.find('\0'); zero != std::string::npos;
         zero = text.find('\0', start)) {
        arguments.push_back(text.substr(start, zero - start));
        start = zero + 1;
    }
    arguments.push_back(text.substr(start));
    util::parser::ArgumentParser parser('-');
    parser.defineFlag("-files", 1, util::parser::ArgumentParser::kUnlimited, true);
    parser.defineFlag("-config", 1, 1, true);
    parser.defineFlag("-help", 0, 0, true);
    parser.defineFlag("-projects", 1, util::parser::ArgumentParser::kUnlimited, true);
    try {
        parser.parse(arguments);
    } catch (const exceptions::IllegalArgumentException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ruleconfig::DirectiveRuleDisableParser disableParser;
    const std::size_t assertionsBefore = util::reportedAssertionCount();
    // Every rule, once searching only where the patterns' anchors allow and once at every
    // position: the two must agree.
    std::vector<std::string> anchored;
    std::vector<std::string> everywhere;
    for (std::vector<std::string>* lines : {&anchored, &everywhere}) {
        rule::Pattern::searchEveryPositionForTesting(lines == &everywhere);
        try {
            app::checkSource(text, "Fuzz.java", registry(), disableParser, {},
                             [&](std::int32_t number, const rule::DefectList& defects, double) {
                                 for (const rule::Defect& defect : defects) {
                                     if (defect.line < 1)
                                         std::abort();
                                     lines->push_back(std::to_string(number) + ":" +
                                                      std::to_string(defect.line) + " " +
                                                      defect.message);
                                 }
                             });
        } catch (const ruleconfig::RuleConfigException&) {
        }
    }
    rule::Pattern::searchEveryPositionForTesting(false);
    if (anchored != everywhere)
        std::abort();
    try {
        disableParser.parse(text, ruleconfig::RuleDisableParser::kConfigurationMode);
    } catch (const ruleconfig::RuleConfigException&) {
    }
    if (size < 4096)
        parseArguments(text);
    if (util::reportedAssertionCount() != assertionsBefore)
        std::abort(); // a rule's search gave up, or an internal check failed
    return 0;
}
