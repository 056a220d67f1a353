#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

namespace products::quarvel::search {

/// The first place at or after a start where something stands, for starts that mostly grow,
/// as the starts of nested blocks or of successive candidates do: the answer for one start
/// serves every later start up to it, so a long stretch without the thing is crossed once.
///
/// `find(start)` returns the first place at or after `start` (std::string::npos when there is
/// none), and whether a place qualifies must not depend on the start it was looked for from.
/// Then the first place from any start between an earlier start and its answer is that same
/// answer, and this is all the memo relies on.
template <class Find> class FirstFrom {
  public:
    explicit FirstFrom(Find find) : find_(std::move(find)) {}

    std::size_t from(std::size_t start) {
        if (!known_ || start < askedFrom_ || start > found_) {
            askedFrom_ = start;
            found_ = find_(start);
            known_ = true;
        }
        return found_;
    }

  private:
    Find find_;
    bool known_ = false;
    std::size_t askedFrom_ = 0;
    std::size_t found_ = 0;
};

template <class Find> FirstFrom(Find) -> FirstFrom<Find>;

} // namespace products::quarvel::search
