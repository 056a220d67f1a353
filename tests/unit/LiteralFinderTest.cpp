#include "products/quarvel/search/LiteralFinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace products::quarvel::search;

namespace {

TEST(LiteralFinder, FindsWhatStringFindFinds) {
    std::mt19937 random(11);
    const std::string alphabet = "ipmortkg .;(@z";
    for (const std::string literal :
         {"import", "package", "(", "p", "getClass", "kk", "t(", "@author", "!=", "z."}) {
        const LiteralFinder finder(literal);
        for (int round = 0; round < 300; ++round) {
            std::string text;
            for (int k = 0; k < round % 50; ++k)
                text += random() % 5 == 0 ? literal
                                          : std::string(1, alphabet[random() % alphabet.size()]);
            for (std::size_t from = 0; from <= text.size() + 1; ++from) {
                ASSERT_EQ(finder.find(text, from), text.find(literal, from))
                    << literal << " in " << text << " from " << from;
                const std::size_t to = from + round % 37;
                const std::size_t inRange = text.substr(0, std::min(to, text.size()))
                                                .find(literal, std::min(from, text.size() + 1));
                ASSERT_EQ(finder.find(text, from, to),
                          from > text.size() ? std::string::npos : inRange)
                    << literal << " in " << text << " from " << from << " to " << to;
            }
        }
    }
}

} // namespace
