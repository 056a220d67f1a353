// A file's findings travel as text from the thread that analysed the file to the one that
// reports it, in pieces cut anywhere: what is read back is what was written.
#include "scan/run/OutcomeCodec.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using products::quarvel::rule::Level;
using products::quarvel::rule::ruleCatalogue;
using scan::run::FileOutcome;
using scan::run::Finding;

bool sameFinding(const Finding& a, const Finding& b) {
    return a.line == b.line && a.rule == b.rule && a.message == b.message && a.level == b.level &&
           a.fingerprint == b.fingerprint && a.inBaseline == b.inBaseline &&
           a.onNewLine == b.onNewLine && a.lineHash == b.lineHash && a.contextHash == b.contextHash;
}

rc::Gen<Finding> findings() {
    return rc::gen::exec([] {
        Finding finding;
        finding.line = *rc::gen::inRange(1, 1 << 30);
        finding.rule = &ruleCatalogue()[*rc::gen::inRange<std::size_t>(0, ruleCatalogue().size())];
        // Messages of rule 1024 carry a tag's bytes; any text must come back.
        finding.message = *rc::gen::container<std::string>(
            rc::gen::elementOf(std::string("ab \\\\\\n\\t'@\\x01\\xff:")));
        finding.level = *rc::gen::element(Level::kError, Level::kWarning, Level::kNote);
        finding.fingerprint = *rc::gen::element(std::string(), std::string(32, 'f'),
                                                std::string("0123456789abcdef0123456789abcdef"));
        finding.inBaseline = *rc::gen::arbitrary<bool>();
        finding.onNewLine = *rc::gen::arbitrary<bool>();
        finding.lineHash = *rc::gen::arbitrary<std::uint32_t>();
        finding.contextHash = *rc::gen::arbitrary<std::uint16_t>();
        return finding;
    });
}

RC_GTEST_PROP(OutcomeCodec, WhatIsWrittenIsReadBackFromPiecesCutAnywhere, ()) {
    const auto written = *rc::gen::container<std::vector<Finding>>(findings());
    const bool failed = *rc::gen::arbitrary<bool>();
    const std::optional<std::string> problem =
        failed ? std::optional<std::string>(*rc::gen::container<std::string>(
                     rc::gen::elementOf(std::string("x \\n\\t\\\\:"))))
               : std::nullopt;
    std::string text;
    for (const Finding& finding : written)
        scan::run::appendFinding(text, finding);
    if (problem)
        scan::run::appendProblem(text, *problem);
    scan::run::appendEnd(text);

    const auto cuts = *rc::gen::container<std::vector<std::size_t>>(
        rc::gen::inRange<std::size_t>(0, text.size() + 1));
    std::vector<std::size_t> at(cuts.begin(), cuts.end());
    at.push_back(0);
    at.push_back(text.size());
    std::sort(at.begin(), at.end());
    scan::run::OutcomeDecoder decoder;
    FileOutcome read;
    bool ended = false;
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
        RC_ASSERT(!ended);
        ended = decoder.read(std::string_view(text).substr(at[i], at[i + 1] - at[i]), read);
    }
    RC_ASSERT(ended);
    RC_ASSERT(!decoder.malformed());
    RC_ASSERT(read.findings.size() == written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        RC_ASSERT(sameFinding(read.findings[i], written[i]));
    RC_ASSERT(read.problem == problem);
}

TEST(OutcomeCodec, LinesItDoesNotWriteAreMalformed) {
    for (const char* line : {"F12\n", "F12 1006 w\n", "F12 99999 wbn 1 2 - m\n",
                             "Fx 1006 wbn 1 2 - m\n", "X\n", "F12 1006 wbn 1\n"}) {
        scan::run::OutcomeDecoder decoder;
        FileOutcome read;
        decoder.read(line, read);
        EXPECT_TRUE(decoder.malformed()) << line;
        EXPECT_TRUE(read.findings.empty()) << line;
    }
}

} // namespace
