#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

namespace lsp {

/// Documents waiting for analysis, each with the time it is due: a document changed again
/// before it is due waits again, so a burst of changes gives one analysis of the last.
class DueQueue {
  public:
    using Clock = std::chrono::steady_clock;

    /// Makes the document due at `due`, replacing any time it had.
    void schedule(const std::string& uri, Clock::time_point due) { due_[uri] = due; }
    /// Makes a waiting document due at `due` if that is sooner; leaves others alone.
    void hurry(const std::string& uri, Clock::time_point due);
    void remove(const std::string& uri) { due_.erase(uri); }

    /// The soonest due time, if any document waits.
    std::optional<Clock::time_point> soonest() const;
    /// Takes a document that is due at `now`, the soonest first.
    std::optional<std::string> takeDue(Clock::time_point now);

  private:
    std::map<std::string, Clock::time_point> due_;
};

} // namespace lsp
