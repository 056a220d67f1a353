#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

/// Reads a whole file as text; nullopt when it cannot be read.
using ReadText = std::function<std::optional<std::string>(const std::string& path)>;

/// The processors that a quota of `quota` microseconds of processor time every `period`
/// microseconds allows, rounded up (half a processor is one), at least 1.
unsigned processorsForQuota(long long quota, long long period);

/// The processors that the processor quotas of this process's control groups allow: the
/// least of the quotas of its own group and of every group above it, under cgroup v2
/// (cpu.max) and cgroup v1 (cpu.cfs_quota_us and cpu.cfs_period_us); 0 when no quota
/// applies. Reads /proc/self/cgroup, /proc/self/mountinfo and the groups' files through
/// `read`.
unsigned cgroupQuotaProcessors(const ReadText& read);

} // namespace platform
