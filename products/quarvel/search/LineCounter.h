#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace products::quarvel::search {

/// Line numbers of positions in one text: the same answers as util::lineNumberAt, without
/// counting from the start of the text for every position. Positions asked in increasing
/// order are counted on from the last one; the first time a position lies before the last
/// one, the line feeds of the text are listed once, and every later answer is a binary
/// search.
class LineCounter {
  public:
    explicit LineCounter(const std::string& text) : text_(text) {}
    std::int32_t lineAt(std::size_t position);

  private:
    const std::string& text_;
    std::size_t position_ = 0;
    std::int32_t line_ = 1;
    bool indexed_ = false;
    std::vector<std::size_t> lineFeeds_;
};

} // namespace products::quarvel::search
