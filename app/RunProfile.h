#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#ifndef QUARVEL_PROFILE_ENABLED
#define QUARVEL_PROFILE_ENABLED 0
#endif

namespace app {

/// Where the time of a run goes: each rule, each file. Only profiling
/// builds (cmake -DQUARVEL_PROFILE=ON) collect it, and they write it to standard error after
/// the run, so that standard output is the same in every build.
class RunProfile {
  public:
    static constexpr bool kEnabled = QUARVEL_PROFILE_ENABLED != 0;

    void addRule(std::int32_t rule, double seconds) { ruleSeconds_[rule] += seconds; }
    void addFile(const std::string& name, std::size_t bytes, double seconds) {
        files_.push_back({name, bytes, seconds});
    }
    /// One line per measurement: "profile rule N S", "profile file S BYTES NAME".
    void write(std::ostream& out) const;

  private:
    struct FileTime {
        std::string name;
        std::size_t bytes;
        double seconds;
    };
    std::map<std::int32_t, double> ruleSeconds_;
    std::vector<FileTime> files_;
};

/// Seconds since construction, from a monotonic clock; in builds that do not profile, it
/// reads no clock and always says 0.
class Stopwatch {
  public:
    double seconds() const {
        if constexpr (!RunProfile::kEnabled)
            return 0.0;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_ = RunProfile::kEnabled
                                                       ? std::chrono::steady_clock::now()
                                                       : std::chrono::steady_clock::time_point();
};

} // namespace app
