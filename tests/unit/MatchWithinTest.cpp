#include "products/quarvel/search/MatchWithin.h"

#include "products/quarvel/search/SearchLoop.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace products::quarvel::search;

namespace {

// Nested blocks ask about ranges whose starts grow and whose ends shrink, then jump back out.
TEST(MatchWithin, AnswersLikeASearchOfTheRange) {
    const Pattern call(R"(getClass\s*\(\s*\))");
    std::mt19937 random(29);
    const std::string pieces[] = {"getClass()", "getClass (", " ", ")", "x", "\n"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = 0; k < 60; ++k)
            text += pieces[random() % std::size(pieces)];
        MatchWithin within(call, text);
        std::size_t from = 0;
        for (int ask = 0; ask < 30; ++ask) {
            from = random() % 5 == 0 ? random() % text.size() : from + random() % 20;
            const std::size_t to = from + random() % 80;
            ASSERT_EQ(within.found(from, to), searchOnce(call, text, from, to).has_value())
                << text << " [" << from << ", " << to << ")";
        }
    }
}

} // namespace
