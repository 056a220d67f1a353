#include "products/quarvel/search/SharedScans.h"

#include "products/quarvel/search/BracketScan.h"
#include "products/quarvel/search/LiteralFinder.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

using namespace products::quarvel::search;

namespace {

// Finders made as the rules make theirs, once; their literals overlap and share first pairs.
const std::vector<LiteralFinder>& finders() {
    static const std::vector<LiteralFinder> all{
        LiteralFinder("if"),    LiteralFinder("iff"),          LiteralFinder("f"),
        LiteralFinder("final"), LiteralFinder("finally"),      LiteralFinder("=="),
        LiteralFinder("!="),    LiteralFinder("System.out.p"), LiteralFinder("catch (")};
    return all;
}

rc::Gen<std::string> javaLike() {
    return rc::gen::map(
        rc::gen::container<std::vector<std::string>>(rc::gen::elementOf(std::vector<std::string>{
            "if", "f", "final", "ly", " ", "=", "!", "System.out.", "p", "catch", " (", "\n"})),
        [](const std::vector<std::string>& parts) {
            std::string text;
            for (const std::string& part : parts)
                text += part;
            return text;
        });
}

RC_GTEST_PROP(SharedScans, FindersInAViewAnswerAsStringFind, ()) {
    const std::vector<LiteralFinder>& all = finders(); // declared before the file's scan
    const std::string view = *javaLike();
    const SharedScans shared({&view});
    for (const LiteralFinder& finder : all) {
        RC_ASSERT(SharedScans::positionsIn(view, declareLiteral(finder.literal())) != nullptr);
        const std::size_t from = *rc::gen::inRange<std::size_t>(0, view.size() + 2);
        const std::size_t to = *rc::gen::inRange<std::size_t>(0, view.size() + 2);
        const std::size_t plain =
            from > view.size()
                ? std::string::npos
                : view.substr(0, std::min(to, view.size())).find(finder.literal(), from);
        RC_ASSERT(finder.find(view, from, to) == plain);
        RC_ASSERT(finder.find(view, from) == view.find(finder.literal(), from));
    }
}

TEST(SharedScans, LooksUpOnlyTheViewsOfTheFileOnThisThread) {
    const LiteralFinder& finalWord = finders()[3]; // declared before the file's scan
    const std::string view = "final x; final y;";
    const std::string copy = view;
    EXPECT_EQ(SharedScans::positionsIn(view, 0), nullptr); // no file being checked
    {
        const SharedScans shared({&view});
        EXPECT_EQ(finalWord.find(view, 1), 9u);
        EXPECT_NE(SharedScans::positionsIn(view, 0), nullptr);
        EXPECT_EQ(SharedScans::positionsIn(copy, 0), nullptr); // same bytes, not the view
        EXPECT_EQ(SharedScans::positionsIn(view, kNotDeclared), nullptr);
        {
            const std::string inner = "if";
            const SharedScans nested({&inner});
            EXPECT_EQ(SharedScans::positionsIn(view, 0), nullptr);
            EXPECT_NE(SharedScans::positionsIn(inner, 0), nullptr);
        }
        EXPECT_NE(SharedScans::positionsIn(view, 0), nullptr);
    }
    EXPECT_EQ(SharedScans::positionsIn(view, 0), nullptr);
}

TEST(SharedScans, AViewTooFullOfLiteralsIsSearchedAsBefore) {
    // One place of "f" for every byte: far more than a view may keep.
    const std::vector<LiteralFinder>& all = finders(); // declared before the file's scan
    const std::string view(20000, 'f');
    const SharedScans shared({&view});
    EXPECT_EQ(SharedScans::positionsIn(view, 0), nullptr);
    EXPECT_EQ(all[2].find(view, 19999), 19999u);
    EXPECT_EQ(all[0].find(view, 0), std::string::npos);
}

RC_GTEST_PROP(SharedScans, ABracketIndexBuiltForAViewServesTheLaterOnes, ()) {
    // Long enough that asking every start makes the first index build itself.
    const std::string view =
        *rc::gen::container<std::string>(6000, rc::gen::elementOf(std::string("{}()x")));
    const SharedScans shared({&view});
    BracketIndex first(view, '{', '}');
    for (std::size_t start = 0; start < view.size(); ++start)
        first.matchingClose(start);
    RC_ASSERT(SharedScans::bracketLevelsIn(view, '{', '}') != nullptr);
    RC_ASSERT(SharedScans::bracketLevelsIn(view, '(', ')') == nullptr);
    BracketIndex braces(view, '{', '}');
    BracketIndex parentheses(view, '(', ')');
    for (int question = 0; question < 200; ++question) {
        const std::size_t start = *rc::gen::inRange<std::size_t>(0, view.size() + 1);
        RC_ASSERT(braces.matchingClose(start) == findMatchingClose(view, start, '{', '}'));
        RC_ASSERT(parentheses.matchingClose(start) == findMatchingClose(view, start, '(', ')'));
    }
}

TEST(SharedScans, TheSameLiteralIsDeclaredOnce) {
    const std::size_t number = declareLiteral("finally");
    EXPECT_EQ(declareLiteral("finally"), number);
    EXPECT_NE(declareLiteral("final"), number);
    EXPECT_EQ(declareLiteral(""), kNotDeclared);
}

TEST(SharedScans, TestsCanTurnSharingOff) {
    const std::vector<LiteralFinder>& all = finders();
    const std::string view = "if final";
    SharedScans::shareForTesting(false);
    {
        const SharedScans shared({&view});
        EXPECT_EQ(SharedScans::positionsIn(view, 0), nullptr);
        EXPECT_EQ(all[3].find(view, 0), 3u);
    }
    SharedScans::shareForTesting(true);
    const SharedScans shared({&view});
    EXPECT_NE(SharedScans::positionsIn(view, declareLiteral("if")), nullptr);
}

} // namespace
