#pragma once

#include "report/RunListener.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace report {

/// Reads the output of a quarvel run as it arrives, in pieces of any size, and tells a
/// listener what it holds. It keeps one line at a time, so memory does not grow with the
/// number of defects.
///
/// The output is: a banner of two lines, a blank line, one line per defect, a blank line and
/// the two summary lines (no line end after the last). A failure ends the run with its
/// message instead of the summary, without a line end, possibly over several lines; a failed
/// internal check prints a framed report between lines and the run goes on.
class RunReader {
  public:
    explicit RunReader(RunListener& listener);
    void feed(std::string_view bytes);
    /// False once the rest of the input cannot change how it ends: it is no run (known from
    /// its first line at the latest), or it was taken as cut short. Feeding more does nothing.
    bool wantsMore() const;
    /// The input has ended: decides how the run ended, tells the listener, and returns it.
    RunOutcome finish();

  private:
    enum class State {
        kFirstBannerLine,
        kSecondBannerLine,
        kAfterBanner,
        kDefects,
        kAfterBlankLine,
        kAfterFileCount,
        kAfterSummary,
        kAfterSummaryLineEnd,
        kUsage,
        kAssertion,
        kFailure,
        kRejected, ///< not the output of a run; the rest is not read
        kCutShort, ///< the output stops in the middle of a line or a part
    };

    /// A line without its line feed; `ended` is false for text at the end without one.
    void takeLine(std::string_view line, bool ended, bool overlong);
    void takeFirstBannerLine(std::string_view line, bool ended);
    void takeDefectsLine(std::string_view line, bool ended, bool overlong);
    void takeAfterBlankLine(std::string_view line, bool ended);
    void takeAfterFileCount(std::string_view line, bool ended);
    void startAssertion(State returnTo);
    void takeAssertionLine(std::string_view line, bool ended);
    void startFailure(std::string_view line, bool ended);
    void takeFailureLine(std::string_view line, bool ended);
    bool takeFileCount(std::string_view line);
    void start(std::string version);
    void reject(std::string reason);
    void cutShort(std::string reason);
    void keepPartial(std::string_view bytes);
    RunOutcome outcome() const;
    bool failureEndsWithSummary() const;

    RunListener& listener_;
    State state_ = State::kFirstBannerLine;
    bool started_ = false;
    bool crlf_ = false;
    bool anyInput_ = false;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t defects_ = 0;
    std::optional<std::uint64_t> summaryDefects_;
    std::string reason_; // why the input was rejected or is taken as cut short

    std::string partial_; // the line read so far, when it spans pieces
    bool partialOverlong_ = false;

    std::string assertion_; // the report being read
    bool assertionAfterThanks_ = false;
    State assertionReturn_ = State::kDefects;

    std::string failure_; // the failure message read so far, its line ends as line feeds
    std::uint64_t failureLineNumber_ = 0;
    std::string failureFirstLine_;
    bool failureEnded_ = false; // whether its last line had a line feed
    std::string lastLines_[3];  // the failure's last lines, to find a summary after it
};

} // namespace report
