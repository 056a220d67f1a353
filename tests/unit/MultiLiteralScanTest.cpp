#include "products/quarvel/search/MultiLiteralScan.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace products::quarvel::search;

namespace {

/// Every place of a literal, found by asking std::string::find at every position.
std::vector<std::uint32_t> plainPlaces(const std::string& text, const std::string& literal) {
    std::vector<std::uint32_t> places;
    for (std::size_t at = text.find(literal); !literal.empty() && at != std::string::npos;
         at = text.find(literal, at + 1))
        places.push_back(static_cast<std::uint32_t>(at));
    return places;
}

/// Literals and texts over a few bytes, so that literals overlap, share their first pairs,
/// end the text and hold one another; lengths from one to past the eight bytes compared at
/// once.
rc::Gen<std::string> smallText(std::size_t most) {
    return rc::gen::resize(most, rc::gen::container<std::string>(rc::gen::elementOf(
                                     std::vector<char>{'a', 'b', 'c', '\0', '\xff'})));
}

RC_GTEST_PROP(MultiLiteralScan, FindsEveryPlaceOfEveryLiteral, ()) {
    const auto literalSet =
        *rc::gen::container<std::set<std::string>>(rc::gen::nonEmpty(smallText(12)));
    const std::vector<std::string> literals(literalSet.begin(), literalSet.end());
    // The literals themselves, some with one byte changed, between random bytes.
    std::string text;
    for (int piece = *rc::gen::inRange(0, 30); piece > 0; --piece) {
        std::string literal = *rc::gen::elementOf(literals);
        if (*rc::gen::arbitrary<bool>())
            literal[*rc::gen::inRange<std::size_t>(0, literal.size())] ^= 1;
        text += literal + *smallText(4);
    }
    const MultiLiteralScan scan(literals);
    auto positions = scan.scan(text, text.size() * 20 + 20);
    RC_ASSERT(positions.has_value());
    for (std::size_t k = 0; k < literals.size(); ++k) {
        RC_ASSERT(std::vector<std::uint32_t>(positions->begin(k), positions->end(k)) ==
                  plainPlaces(text, literals[k]));
        // Questions in any order: each answer starts from the one before.
        for (int question = 0; question < 8; ++question) {
            const std::size_t from = *rc::gen::inRange<std::size_t>(0, text.size() + 2);
            RC_ASSERT(positions->firstFrom(k, from) == text.find(literals[k], from));
        }
    }
}

RC_GTEST_PROP(MultiLiteralScan, GivesUpPastTheLimitAndOnlyThen, ()) {
    const std::vector<std::string> literals{"a", "ab", "ba", "abcabcabcab"};
    const std::string text = *smallText(300);
    std::size_t total = 0;
    for (const std::string& literal : literals)
        total += plainPlaces(text, literal).size();
    const std::size_t limit = *rc::gen::inRange<std::size_t>(0, total + 2);
    RC_ASSERT(MultiLiteralScan(literals).scan(text, limit).has_value() == (total <= limit));
}

TEST(MultiLiteralScan, RefusesALiteralListedTwice) {
    EXPECT_THROW(MultiLiteralScan({"if", "for", "if"}), std::invalid_argument);
}

TEST(MultiLiteralScan, EmptyLiteralsAndTextsHoldNothing) {
    const MultiLiteralScan scan({"", "x", "xy"});
    const auto none = scan.scan("", 0);
    ASSERT_TRUE(none.has_value());
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(none->begin(k), none->end(k));
    auto some = scan.scan("xyx", 10);
    ASSERT_TRUE(some.has_value());
    EXPECT_EQ(some->begin(0), some->end(0));
    EXPECT_EQ(std::vector<std::uint32_t>(some->begin(1), some->end(1)),
              (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(some->firstFrom(2, 1), std::string::npos);
}

} // namespace
