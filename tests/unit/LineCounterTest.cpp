#include "products/quarvel/search/LineCounter.h"

#include "util/StringHelper.h"

#include <gtest/gtest.h>

using namespace products::quarvel::search;

namespace {

TEST(LineCounter, AgreesWithLineNumberAtInAnyOrder) {
    const std::string text = "a\nbb\n\nccc\n";
    LineCounter lines(text);
    for (std::size_t p : {0u, 3u, 5u, 9u, 1u, 10u, 2u, 40u})
        EXPECT_EQ(lines.lineAt(p), util::lineNumberAt(text, p)) << p;
}

} // namespace
