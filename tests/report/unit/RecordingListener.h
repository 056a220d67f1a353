#pragma once

#include "report/RunListener.h"

#include <string>
#include <vector>

namespace report::testing {

/// Writes down every event as a line of text, for comparisons that show what differs.
class RecordingListener : public RunListener {
  public:
    void onStart(const RunStart& start) override {
        events.push_back("start " + start.version +
                         (start.pathStyle == PathStyle::kWindows ? " windows" : " posix"));
    }
    void onDefect(const DefectLine& defect) override {
        events.push_back("defect " + std::string(defect.fileName) + "|" +
                         std::to_string(defect.line) + "|" + std::to_string(defect.rule->number) +
                         "|" + std::string(defect.message));
    }
    void onAssertion(std::string_view report) override {
        events.push_back("assertion " + std::string(report));
    }
    void onEnd(const RunOutcome& outcome) override {
        static const char* const kEnds[] = {"finished", "failed", "unfinished", "not a run",
                                            "usage only"};
        events.push_back("end " + std::string(kEnds[static_cast<int>(outcome.end)]) + " " +
                         std::to_string(outcome.defects) + " " + outcome.detail);
    }

    std::vector<std::string> events;
};

} // namespace report::testing
