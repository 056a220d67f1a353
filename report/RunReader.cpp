#include "report/RunReader.h"

#include <utility>

namespace report {
namespace {
constexpr std::string_view kBannerStart = "Quarvel v";
constexpr std::string_view kHintStart = "This is a command line program.";
constexpr std::string_view kUsageStart = "Usage: ";
constexpr std::string_view kSeparator = "----------------------------------------";
constexpr std::string_view kThanks = "Thank you for helping us improve the software.";
constexpr std::string_view kAnalysed = "Analysed ";
constexpr std::string_view kOneFile = " file. ";
constexpr std::string_view kFiles = " files. ";
constexpr std::string_view kDefectsFound = " defects found.";
constexpr std::string_view kTotalTime = "Total time: ";
constexpr std::string_view kSeconds = " seconds";

/// Longer lines are not kept whole; no defect line of a real run comes near.
constexpr std::size_t kMaxLineBytes = 1 << 20;
/// A longer first line, its line end apart, is no banner (quarvel's is under a hundred
/// bytes): an input without line feeds is refused after this many bytes, not read to its end.
constexpr std::size_t kMaxBannerBytes = 1024;
/// How much of a failure message or an internal check's report is kept.
constexpr std::size_t kMaxKeptBytes = 64 * 1024;
/// How much of an unexpected line a message quotes.
constexpr std::size_t kMaxQuotedBytes = 200;

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Reads a decimal number at the start of `text` and moves past it.
std::optional<std::uint64_t> takeNumber(std::string_view& text) {
    std::size_t length = 0;
    std::uint64_t value = 0;
    while (length < text.size() && isDigit(text[length]) && length < 19)
        value = value * 10 + static_cast<std::uint64_t>(text[length++] - '0');
    if (length == 0)
        return std::nullopt;
    text.remove_prefix(length);
    return value;
}

bool takeText(std::string_view& text, std::string_view expected) {
    if (!startsWith(text, expected))
        return false;
    text.remove_prefix(expected.size());
    return true;
}

bool isTimeLine(std::string_view line) {
    if (!startsWith(line, kTotalTime) || !endsWith(line, kSeconds))
        return false;
    const std::string_view seconds =
        line.substr(kTotalTime.size(), line.size() - kTotalTime.size() - kSeconds.size());
    if (seconds.empty())
        return false;
    for (const char c : seconds) {
        if (!isDigit(c) && c != '.' && c != 'e' && c != '+' && c != '-')
            return false;
    }
    return true;
}

std::string quoted(std::string_view line) {
    std::string text = "\"";
    text.append(line.substr(0, kMaxQuotedBytes));
    if (line.size() > kMaxQuotedBytes)
        text.append("...");
    return text + "\"";
}

void appendKept(std::string& kept, std::string_view text) {
    if (kept.size() < kMaxKeptBytes)
        kept.append(text.substr(0, kMaxKeptBytes - kept.size()));
}

/// Why a first line, or its start so far, cannot be quarvel's first line; nullopt while it
/// may be. Once a start has a fault, every longer one has the same.
std::optional<std::string> firstLineFault(std::string_view line) {
    if (startsWith(line, kHintStart))
        return "quarvel was started without arguments and printed its hint";
    if (!startsWith(line, kBannerStart) && !startsWith(kBannerStart, line) &&
        !startsWith(kHintStart, line))
        return "it does not begin with quarvel's banner";
    // The Windows build's line end is CR LF.
    if (line.size() > kMaxBannerBytes + (endsWith(line, "\r") ? 1 : 0))
        return "its first line is not quarvel's banner";
    return std::nullopt;
}
} // namespace

RunReader::RunReader(RunListener& listener) : listener_(listener) {}

bool RunReader::wantsMore() const {
    return state_ != State::kRejected && state_ != State::kCutShort;
}

void RunReader::feed(std::string_view bytes) {
    if (!bytes.empty())
        anyInput_ = true;
    while (!bytes.empty() && wantsMore()) {
        const std::size_t lineFeed = bytes.find('\n');
        if (lineFeed == std::string_view::npos) {
            keepPartial(bytes);
            // What is no run shows in its first bytes: do not wait for a line feed that may
            // never come.
            if (state_ == State::kFirstBannerLine) {
                if (auto fault = firstLineFault(partial_)) {
                    reject(std::move(*fault));
                    partial_.clear();
                }
            }
            return;
        }
        if (partial_.empty() && !partialOverlong_) {
            takeLine(bytes.substr(0, lineFeed), true, lineFeed > kMaxLineBytes);
        } else {
            keepPartial(bytes.substr(0, lineFeed));
            takeLine(partial_, true, partialOverlong_);
            partial_.clear();
            partialOverlong_ = false;
        }
        bytes.remove_prefix(lineFeed + 1);
    }
}

void RunReader::keepPartial(std::string_view bytes) {
    if (partial_.size() + bytes.size() > kMaxLineBytes) {
        bytes = bytes.substr(0, kMaxLineBytes - partial_.size());
        partialOverlong_ = true;
    }
    partial_.append(bytes);
}

void RunReader::takeLine(std::string_view line, bool ended, bool overlong) {
    ++lineNumber_;
    if (state_ == State::kFirstBannerLine) {
        if (auto fault = firstLineFault(line)) {
            reject(std::move(*fault));
            return;
        }
        crlf_ = ended && endsWith(line, "\r");
    }
    // The Windows build's console ends lines with CR LF; a message of the system may add a
    // carriage return of its own.
    while (crlf_ && endsWith(line, "\r"))
        line.remove_suffix(1);

    switch (state_) {
    case State::kFirstBannerLine:
        takeFirstBannerLine(line, ended);
        break;
    case State::kSecondBannerLine:
        if (ended)
            state_ = State::kAfterBanner;
        else
            cutShort("it ends inside the banner");
        break;
    case State::kAfterBanner:
        if (ended && line.empty())
            state_ = State::kDefects;
        else if (ended && line == kSeparator)
            startAssertion(State::kAfterBanner);
        else if (ended && startsWith(line, kUsageStart))
            state_ = State::kUsage;
        else
            startFailure(line, ended);
        break;
    case State::kDefects:
        takeDefectsLine(line, ended, overlong);
        break;
    case State::kAfterBlankLine:
        takeAfterBlankLine(line, ended);
        break;
    case State::kAfterFileCount:
        takeAfterFileCount(line, ended);
        break;
    case State::kAfterSummary:
    case State::kAfterSummaryLineEnd:
        reject("text follows the summary, at line " + std::to_string(lineNumber_));
        break;
    case State::kUsage:
        reject("text follows the usage text, at line " + std::to_string(lineNumber_));
        break;
    case State::kAssertion:
        takeAssertionLine(line, ended);
        break;
    case State::kFailure:
        takeFailureLine(line, ended);
        break;
    case State::kRejected:
    case State::kCutShort:
        break;
    }
}

void RunReader::takeFirstBannerLine(std::string_view line, bool ended) {
    // firstLineFault() has passed the line: it is the start of the banner or of the hint, or
    // the banner's first line.
    if (!startsWith(line, kBannerStart)) {
        reject("it does not begin with quarvel's banner");
        return;
    }
    std::string_view version = line.substr(kBannerStart.size());
    std::size_t end = version.find(". ");
    if (end == std::string_view::npos && endsWith(version, "."))
        end = version.size() - 1;
    if (end == std::string_view::npos || end == 0) {
        reject("its first line is not quarvel's banner");
        return;
    }
    start(std::string(version.substr(0, end)));
    state_ = State::kSecondBannerLine;
    if (!ended)
        cutShort("it ends inside the banner");
}

void RunReader::takeDefectsLine(std::string_view line, bool ended, bool overlong) {
    const std::optional<DefectLine> defect = overlong ? std::nullopt : parseDefectLine(line);
    if (defect) {
        ++defects_;
        listener_.onDefect(*defect);
        if (!ended)
            cutShort("its last defect line has no line end");
    } else if (ended && line == kSeparator) {
        startAssertion(State::kDefects);
    } else if (ended && line.empty()) {
        state_ = State::kAfterBlankLine;
    } else if (!ended && !overlong && looksLikeCutDefectLine(line)) {
        cutShort("its last defect line is cut short");
    } else {
        startFailure(line, ended);
    }
}

void RunReader::takeAfterBlankLine(std::string_view line, bool ended) {
    if (takeFileCount(line)) {
        if (ended)
            state_ = State::kAfterFileCount;
        else
            cutShort("it ends inside the summary");
        return;
    }
    // Not the summary: what quarvel printed from the blank line on is a message.
    --lineNumber_;
    startFailure("", true);
    ++lineNumber_;
    takeFailureLine(line, ended);
}

void RunReader::takeAfterFileCount(std::string_view line, bool ended) {
    if (isTimeLine(line))
        state_ = ended ? State::kAfterSummaryLineEnd : State::kAfterSummary;
    else if (!ended && (startsWith(kTotalTime, line) || startsWith(line, kTotalTime)))
        cutShort("it ends inside the summary");
    else
        reject("the summary's line " + std::to_string(lineNumber_) + " is not the time taken");
}

bool RunReader::takeFileCount(std::string_view line) {
    std::string_view rest = line;
    if (!takeText(rest, kAnalysed) || !takeNumber(rest) ||
        !(takeText(rest, kOneFile) || takeText(rest, kFiles)))
        return false;
    const std::optional<std::uint64_t> defects = takeNumber(rest);
    if (!defects || rest != kDefectsFound)
        return false;
    summaryDefects_ = defects;
    return true;
}

void RunReader::startAssertion(State returnTo) {
    state_ = State::kAssertion;
    assertionReturn_ = returnTo;
    assertion_.clear();
    assertionAfterThanks_ = false;
}

void RunReader::takeAssertionLine(std::string_view line, bool ended) {
    if (!ended) {
        cutShort("it ends inside the report of a failed internal check");
        return;
    }
    if (line == kSeparator && assertionAfterThanks_) {
        // Keep what the check said; the contact lines after the blank line are the same in
        // every report.
        const std::size_t blankLine = assertion_.rfind("\n\n");
        listener_.onAssertion(std::string_view(assertion_).substr(0, blankLine));
        state_ = assertionReturn_;
        return;
    }
    assertionAfterThanks_ = line == kThanks;
    appendKept(assertion_, line);
    appendKept(assertion_, "\n");
}

void RunReader::startFailure(std::string_view line, bool ended) {
    state_ = State::kFailure;
    failureLineNumber_ = lineNumber_;
    failureFirstLine_ = quoted(line);
    takeFailureLine(line, ended);
}

void RunReader::takeFailureLine(std::string_view line, bool ended) {
    appendKept(failure_, line);
    if (ended)
        appendKept(failure_, "\n");
    failureEnded_ = ended;
    lastLines_[0] = std::move(lastLines_[1]);
    lastLines_[1] = std::move(lastLines_[2]);
    lastLines_[2] = std::string(line.substr(0, kMaxQuotedBytes));
}

bool RunReader::failureEndsWithSummary() const {
    std::string_view fileCount = lastLines_[1];
    return lastLines_[0].empty() && startsWith(fileCount, kAnalysed) && isTimeLine(lastLines_[2]);
}

void RunReader::start(std::string version) {
    started_ = true;
    listener_.onStart({std::move(version), crlf_ ? PathStyle::kWindows : PathStyle::kPosix});
}

void RunReader::reject(std::string reason) {
    state_ = State::kRejected;
    reason_ = std::move(reason);
}

void RunReader::cutShort(std::string reason) {
    state_ = State::kCutShort;
    reason_ = std::move(reason);
}

RunOutcome RunReader::finish() {
    if (!partial_.empty() || partialOverlong_) {
        const std::string tail = std::move(partial_);
        partial_.clear();
        takeLine(tail, false, partialOverlong_);
    }
    const RunOutcome result = outcome();
    if (!started_)
        start("");
    listener_.onEnd(result);
    return result;
}

RunOutcome RunReader::outcome() const {
    switch (state_) {
    case State::kFirstBannerLine:
        return {RunEnd::kNotARun, "the input is empty", defects_};
    case State::kSecondBannerLine:
    case State::kAfterBanner:
        return {RunEnd::kUnfinished, "it ends after the banner", defects_};
    case State::kDefects:
    case State::kAfterBlankLine:
        return {RunEnd::kUnfinished, "it ends without the summary", defects_};
    case State::kAfterFileCount:
        return {RunEnd::kUnfinished, "it ends inside the summary", defects_};
    case State::kAfterSummary:
    case State::kAfterSummaryLineEnd:
        // The run counts defects in 32 bits.
        if (*summaryDefects_ != (defects_ & 0xFFFFFFFFu))
            return {RunEnd::kNotARun,
                    "its summary counts " + std::to_string(*summaryDefects_) +
                        " defects, but it holds " + std::to_string(defects_) +
                        " defect lines: it was changed",
                    defects_};
        return {RunEnd::kFinished, "", defects_};
    case State::kUsage:
        return {RunEnd::kUsageOnly, "quarvel printed its usage text and analysed nothing",
                defects_};
    case State::kAssertion:
        return {RunEnd::kUnfinished, "it ends inside the report of a failed internal check",
                defects_};
    case State::kFailure: {
        // A failure message is the last thing printed, with no line end after it.
        if (failureEnded_ || failureEndsWithSummary())
            return {RunEnd::kNotARun,
                    "line " + std::to_string(failureLineNumber_) +
                        " is not a defect line, the report of a failed internal check or "
                        "the summary: " +
                        failureFirstLine_,
                    defects_};
        std::string message = failure_;
        message.erase(0, message.find_first_not_of('\n'));
        return {RunEnd::kFailed, message, defects_};
    }
    case State::kRejected:
        return {RunEnd::kNotARun, reason_, defects_};
    case State::kCutShort:
        return {RunEnd::kUnfinished, reason_, defects_};
    }
    return {RunEnd::kNotARun, "", defects_};
}

} // namespace report
