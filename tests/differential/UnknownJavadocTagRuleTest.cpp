// Rule 1024 finds documentation comments, their closers and their tags by hand; here it is
// compared with the plain algorithm: opener and closer found byte by byte in a comment view
// built on its own from the classifier, and the tag pattern searched with the plain loop in each
// comment alone.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;
using util::parser::compiler::syntaxhighlighter::CodeStripper;

const Pattern kBlockTag(R"(\s@(\w+)\s)");
const std::vector<std::string> kKnownTags = {
    "author",      "docRoot", "deprecated", "exception", "inheritDoc", "link",
    "linkplain",   "param",   "return",     "see",       "serial",     "serialData",
    "serialField", "since",   "throws",     "value",     "version"};

/// The first place at or after `from` where the literal stands, or npos.
std::size_t plainFind(const std::string& text, const std::string& literal, std::size_t from) {
    for (std::size_t at = from; at + literal.size() <= text.size(); ++at) {
        if (text.compare(at, literal.size(), literal) == 0)
            return at;
    }
    return std::string::npos;
}

/// `closerFrom` is where the closer is looked for, counted from the opener's start: 0 as
/// defined; other values only to show which texts depend on it.
DefectList plainUnknownTags(const std::string& comments, std::size_t closerFrom = 0) {
    DefectList defects;
    for (std::size_t position = 0;;) {
        const std::size_t opener = plainFind(comments, "/**", position);
        if (opener == std::string::npos)
            return defects;
        const std::size_t closer = plainFind(comments, "*/", opener + closerFrom);
        if (closer == std::string::npos)
            return defects;
        const std::string comment = comments.substr(opener, closer - opener);
        plainForEachMatch(kBlockTag, comment, [&](const Match& m) -> Resume {
            const std::string name = m.groupText(comment, 1);
            if (std::find(kKnownTags.begin(), kKnownTags.end(), name) == kKnownTags.end())
                defects.push_back({"T.java", plainLineAt(comments, opener + m.group(1).begin),
                                   "'" + name + "' is an unknown javadoc tag."});
            return m.end();
        });
        position = closer;
    }
}

std::string commentViewOf(const std::string& raw) {
    return CodeStripper::makeCommentView(raw);
}

// Whole documentation comments, and their pieces: openers, closers, empty comments, plain block
// comments, tags known and unknown, tags that white space does not surround, and openers that
// line comments and literals hide.
rc::Gen<std::string> javadocTexts() {
    return textOf({" ",
                   "\n",
                   "/**",
                   "*/",
                   "/*",
                   "/**/",
                   "\n * ",
                   " @author x",
                   "@param",
                   " @foo",
                   "@foo ",
                   " @todo\n",
                   " @Param ",
                   " @docRoot ",
                   " @docroot ",
                   " @see ",
                   "\t",
                   "\r",
                   "x",
                   "@",
                   ":",
                   "{@link X}",
                   "mail@host ",
                   "abcdefghijklmnopqrstuvwxyz",
                   "/** @foo */",
                   "/**\n * @param x the value\n * @bar y\n */",
                   "/* @baz */",
                   "/**/ /* @baz */",
                   "// /** @qux\n",
                   "\"/** @quux */\""});
}

RC_GTEST_PROP(UnknownJavadocTagRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *javadocTexts();
    RC_ASSERT(describe(runRule(1024, raw)) == describe(plainUnknownTags(commentViewOf(raw))));
}

TEST(UnknownJavadocTagRule, GeneratedTextsReachTheCases) {
    std::size_t reported = 0;
    std::size_t knownTagsSeen = 0;
    std::size_t closerSharesTheStar = 0; // texts whose report depends on it ("/**/")
    std::size_t leftOpen = 0;            // texts whose last opener has no closer
    for (const std::string& raw : sampleOf(javadocTexts(), 300)) {
        const std::string comments = commentViewOf(raw);
        const DefectList defects = plainUnknownTags(comments);
        reported += defects.size();
        knownTagsSeen += plainFind(comments, " @param ", 0) != std::string::npos;
        closerSharesTheStar +=
            describe(defects) != describe(plainUnknownTags(comments, std::string("/**").size()));
        const std::size_t lastOpener = comments.rfind("/**");
        leftOpen += lastOpener != std::string::npos &&
                    plainFind(comments, "*/", lastOpener) == std::string::npos;
    }
    EXPECT_GT(reported, 300u);
    EXPECT_GT(knownTagsSeen, 50u);
    EXPECT_GT(closerSharesTheStar, 12u);
    EXPECT_GT(leftOpen, 15u);
}

} // namespace
