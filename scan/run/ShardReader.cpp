#include "scan/run/ShardReader.h"

#include "scan/run/OutcomeCodec.h"
#include "scan/run/ShardException.h"

#include <sstream>

namespace scan::run {

ShardReader::ShardReader(std::string fileName)
    : fileName_(std::move(fileName)), in_(fileName_, std::ios::binary) {
    if (!in_)
        fail("cannot be read");
    if (!std::getline(in_, line_) || line_.rfind("quarvel-shard 1 ", 0) != 0)
        fail("is not a shard report of quarvel-scan (--format shard)");
    ++lineNumber_;
    shard_ = line_.substr(16);
}

void ShardReader::fail(const std::string& what) const {
    throw ShardException(fileName_ + (lineNumber_ > 0 ? ":" + std::to_string(lineNumber_) : "") +
                         ": " + what);
}

std::optional<FileOutcome> ShardReader::next() {
    if (ended_)
        return std::nullopt;
    while (std::getline(in_, line_)) {
        ++lineNumber_;
        if (line_.empty())
            continue;
        if (line_[0] == 'T') {
            std::istringstream fields(line_.substr(1));
            std::string field;
            while (fields >> field) {
                const std::size_t equals = field.find('=');
                const std::string key = field.substr(0, equals);
                const std::uint64_t value =
                    equals == std::string::npos ? 0 : std::stoull(field.substr(equals + 1));
                if (key == "ignored")
                    ignored_ = value;
                else if (key == "excluded")
                    excluded_ = value;
                else if (key == "baselineGone")
                    baselineGone_ = value;
                else if (key == "baseline")
                    baseline_ = value != 0;
                else if (key == "revision")
                    revision_ = value != 0;
            }
            ended_ = true;
            return std::nullopt;
        }
        if (line_[0] != 'N')
            fail("a file's outcome must start with its name");
        FileOutcome outcome;
        const std::size_t tab = line_.find('\t');
        if (tab == std::string::npos)
            fail("a name line needs a tab before the relative path");
        outcome.name = unescaped(std::string_view(line_).substr(1, tab - 1));
        outcome.relativePath = unescaped(std::string_view(line_).substr(tab + 1));
        OutcomeDecoder decoder;
        bool ended = false;
        while (!ended && std::getline(in_, line_)) {
            ++lineNumber_;
            ended = decoder.read(line_ + "\n", outcome);
            if (decoder.malformed())
                fail("a line that is no part of a file's outcome");
        }
        if (!ended)
            fail("the shard report ends in the middle of a file");
        return outcome;
    }
    fail("the shard report has no totals at its end: it was cut short");
}

void ShardReader::addTotals(report::ScanTotals& totals) const {
    totals.filesIgnored += ignored_;
    totals.filesExcluded += excluded_;
    totals.baselineGone += baselineGone_;
    totals.comparedWithBaseline = totals.comparedWithBaseline || baseline_;
    totals.comparedWithRevision = totals.comparedWithRevision || revision_;
}

} // namespace scan::run
