#pragma once

#include "app/OutputSink.h"
#include "scan/run/FileOutcome.h"
#include "scan/run/OutcomeCodec.h"

#include <functional>
#include <string>
#include <vector>

namespace scan::run {

/// Where the run writes each file's output, file after file in the list's order: decodes it
/// and hands each file's outcome on once the file has ended.
class ConsumerChannel : public app::OutputChannel {
  public:
    using Receive = std::function<void(FileOutcome)>;
    /// `names[i]` and `relativePaths[i]` belong to the i-th file of the run.
    ConsumerChannel(const std::vector<std::string>& names,
                    const std::vector<std::string>& relativePaths, Receive receive)
        : names_(names), relativePaths_(relativePaths), receive_(std::move(receive)) {}

    void print(const std::string& text) override {
        if (!decoder_.read(text, current_))
            return;
        current_.name = names_[next_];
        current_.relativePath = relativePaths_[next_];
        ++next_;
        FileOutcome done = std::move(current_);
        current_ = FileOutcome();
        receive_(std::move(done));
    }

  private:
    const std::vector<std::string>& names_;
    const std::vector<std::string>& relativePaths_;
    Receive receive_;
    OutcomeDecoder decoder_;
    FileOutcome current_;
    std::size_t next_ = 0;
};

} // namespace scan::run
