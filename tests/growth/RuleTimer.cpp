#include "tests/growth/RuleTimer.h"

#include "products/quarvel/search/SharedScans.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <algorithm>
#include <ctime>

namespace quarvel::testing {
namespace {
/// The processor time of this thread: unlike the wall clock, it does not count the time that
/// other processes of a busy machine take.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
/// Counts the defects and keeps nothing: the time is the rule's alone.
struct Counter : products::quarvel::rule::DefectListener {
    void onDefect(std::int32_t, std::string_view) override { ++count; }
    std::size_t count = 0;
};
} // namespace

double ruleSeconds(const GrowthText& text, std::size_t size, int tries) {
    const std::string raw = grown(text, size);
    const auto views = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw);
    const auto& rule = ruleNumbered(text.rule);
    double least = 1e300;
    for (int i = 0; i < tries; ++i) {
        const double start = threadSeconds();
        Counter defects;
        // The file's shared scan counts too: the run makes it for each file.
        const products::quarvel::search::SharedScans shared({&views.code});
        checkViews(rule, views, defects);
        least = std::min(least, threadSeconds() - start);
    }
    return least;
}

} // namespace quarvel::testing
