#include "products/quarvel/search/MultiLiteralScan.h"

#include <gtest/gtest.h>

#include <random>
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
/// once. White space is among them (runs of it are stepped over sixteen bytes at a time
/// unless a literal starts with it), and so is the zero byte that ends a string's storage.
rc::Gen<std::string> smallText(std::size_t most) {
    return rc::gen::resize(most,
                           rc::gen::container<std::string>(rc::gen::elementOf(
                               std::vector<char>{'a', 'b', ' ', '\r', '\0', '\xff', ' ', ' '})));
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
        if (*rc::gen::inRange(0, 4) == 0) // a run long enough to be stepped over whole
            text += std::string(*rc::gen::inRange<std::size_t>(0, 40),
                                *rc::gen::elementOf(std::string(" \r")));
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

TEST(MultiLiteralScan, AsManyLiteralsAsItTakes) {
    // As many first pairs of any bytes as it takes, and literals that share them.
    std::mt19937 random(24);
    std::set<std::string> distinct;
    while (distinct.size() < MultiLiteralScan::kMaxPairs)
        distinct.insert(std::string{static_cast<char>(random()), static_cast<char>(random()),
                                    static_cast<char>(random() % 4)});
    for (std::string literal : std::set<std::string>(distinct)) {
        literal[2] = static_cast<char>(4);
        distinct.insert(literal + literal);
        if (distinct.size() == 400)
            break;
    }
    const std::vector<std::string> literals(distinct.begin(), distinct.end());
    std::string text;
    for (std::size_t k = 0; k < 2000; ++k)
        text += random() % 2 ? literals[random() % literals.size()].substr(0, 1 + random() % 3)
                             : std::string(1, static_cast<char>(random() % 4));
    auto positions = MultiLiteralScan(literals).scan(text, text.size() * 4);
    ASSERT_TRUE(positions.has_value());
    for (std::size_t k = 0; k < literals.size(); ++k)
        ASSERT_EQ(std::vector<std::uint32_t>(positions->begin(k), positions->end(k)),
                  plainPlaces(text, literals[k]));
}

TEST(MultiLiteralScan, RefusesALiteralListedTwiceAndMoreThanItTakes) {
    EXPECT_THROW(MultiLiteralScan({"if", "for", "if"}), std::invalid_argument);
    std::vector<std::string> tooMany;
    for (char first = 'a'; first < 'z'; ++first) {
        for (char second = 'a'; second < 'l'; ++second)
            tooMany.push_back(std::string{first, second});
    }
    EXPECT_THROW(MultiLiteralScan{tooMany}, std::invalid_argument);
    tooMany.resize(MultiLiteralScan::kMaxPairs);
    EXPECT_NO_THROW(MultiLiteralScan{tooMany});
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
