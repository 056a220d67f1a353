#include "report/Outcome.h"

namespace report {

std::string outcomeTitle(const RunOutcome& outcome) {
    switch (outcome.end) {
    case RunEnd::kFinished:
        return "Quarvel run finished";
    case RunEnd::kFailed:
        return "Quarvel run failed";
    case RunEnd::kUnfinished:
        return "Quarvel run did not finish";
    case RunEnd::kNotARun:
        return "Not the output of a Quarvel run";
    case RunEnd::kUsageOnly:
        return "Quarvel analysed nothing";
    case RunEnd::kPartial:
        return "Quarvel could not analyse every file";
    }
    return "";
}

std::string outcomeMessage(const RunOutcome& outcome) {
    switch (outcome.end) {
    case RunEnd::kFinished:
        return "";
    case RunEnd::kFailed:
        return "The quarvel run failed with this message:\n" + outcome.detail;
    case RunEnd::kUnfinished:
        return "The quarvel run did not finish (the program crashed or was stopped): " +
               outcome.detail + ".";
    case RunEnd::kNotARun:
        return "The input is not the output of a quarvel run: " + outcome.detail + ".";
    case RunEnd::kUsageOnly:
        return "The quarvel run analysed nothing: it printed its usage text (no -files or "
               "-projects, or -help).";
    case RunEnd::kPartial:
        return outcome.detail;
    }
    return "";
}

} // namespace report
