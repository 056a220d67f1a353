// The processors a control group's quota allows: the quota of the process's own group and of
// every group above it, under both versions of control groups, rounded up.
#include "platform/CgroupQuota.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Files = std::map<std::string, std::string>;

unsigned quotaOf(const Files& files) {
    return platform::cgroupQuotaProcessors(
        [&files](const std::string& path) -> std::optional<std::string> {
            const auto found = files.find(path);
            if (found == files.end())
                return std::nullopt;
            return found->second;
        });
}

const char kV2Mount[] = "30 22 0:26 / /sys/fs/cgroup rw,nosuid - cgroup2 cgroup2 rw\n";
const char kV1Mounts[] =
    "31 22 0:28 / /sys/fs/cgroup tmpfs rw - tmpfs tmpfs rw,mode=755\n"
    "32 31 0:29 / /sys/fs/cgroup/cpu,cpuacct rw,relatime - cgroup cgroup rw,cpu,cpuacct\n"
    "35 31 0:32 / /sys/fs/cgroup/memory rw,relatime - cgroup cgroup rw,memory\n";

TEST(CgroupQuota, RoundsUpToWholeProcessors) {
    EXPECT_EQ(platform::processorsForQuota(100000, 100000), 1u);
    EXPECT_EQ(platform::processorsForQuota(150000, 100000), 2u);
    EXPECT_EQ(platform::processorsForQuota(200001, 100000), 3u);
    EXPECT_EQ(platform::processorsForQuota(50000, 100000), 1u);
    EXPECT_EQ(platform::processorsForQuota(1, 100000), 1u);
    EXPECT_EQ(platform::processorsForQuota(-1, 100000), 0u); // v1's "no quota"
    EXPECT_EQ(platform::processorsForQuota(100000, 0), 0u);
}

TEST(CgroupQuota, Version2OwnGroupAndGroupsAbove) {
    Files files = {{"/proc/self/cgroup", "0::/ci/job7\n"},
                   {"/proc/self/mountinfo", kV2Mount},
                   {"/sys/fs/cgroup/ci/job7/cpu.max", "max 100000\n"}};
    EXPECT_EQ(quotaOf(files), 0u) << "no quota anywhere";
    files["/sys/fs/cgroup/ci/job7/cpu.max"] = "250000 100000\n";
    EXPECT_EQ(quotaOf(files), 3u) << "the process's own group, not only the root";
    files["/sys/fs/cgroup/ci/cpu.max"] = "100000 100000\n";
    EXPECT_EQ(quotaOf(files), 1u) << "a group above allows less";
    files["/sys/fs/cgroup/cpu.max"] = "50000 100000\n";
    EXPECT_EQ(quotaOf(files), 1u);
}

TEST(CgroupQuota, Version2InsideANamespace) {
    // In a container the group is "/" and its quota is at the mount point itself.
    const Files files = {{"/proc/self/cgroup", "0::/\n"},
                         {"/proc/self/mountinfo", kV2Mount},
                         {"/sys/fs/cgroup/cpu.max", "400000 100000"}};
    EXPECT_EQ(quotaOf(files), 4u);
}

TEST(CgroupQuota, Version1CpuController) {
    Files files = {{"/proc/self/cgroup", "5:memory:/a\n3:cpu,cpuacct:/docker/abc\n0::/\n"},
                   {"/proc/self/mountinfo", kV1Mounts},
                   {"/sys/fs/cgroup/cpu,cpuacct/docker/abc/cpu.cfs_quota_us", "-1\n"},
                   {"/sys/fs/cgroup/cpu,cpuacct/docker/abc/cpu.cfs_period_us", "100000\n"}};
    EXPECT_EQ(quotaOf(files), 0u);
    files["/sys/fs/cgroup/cpu,cpuacct/docker/abc/cpu.cfs_quota_us"] = "150000\n";
    EXPECT_EQ(quotaOf(files), 2u);
    files["/sys/fs/cgroup/cpu,cpuacct/cpu.cfs_quota_us"] = "50000\n";
    files["/sys/fs/cgroup/cpu,cpuacct/cpu.cfs_period_us"] = "100000\n";
    EXPECT_EQ(quotaOf(files), 1u);
}

TEST(CgroupQuota, MountedPartOfAHierarchy) {
    // A mount whose root is a group below the hierarchy's root: the path in /proc/self/cgroup
    // is the whole one, the folder lies below the mount point.
    const Files files = {
        {"/proc/self/cgroup", "0::/kubepods/pod1/c1\n"},
        {"/proc/self/mountinfo", "30 22 0:26 /kubepods/pod1 /sys/fs/cgroup rw - cgroup2 cg rw\n"},
        {"/sys/fs/cgroup/c1/cpu.max", "200000 100000\n"}};
    EXPECT_EQ(quotaOf(files), 2u);
}

TEST(CgroupQuota, MountPointWithASpace) {
    const Files files = {
        {"/proc/self/cgroup", "0::/g\n"},
        {"/proc/self/mountinfo", "30 22 0:26 / /mnt/cg\\040root rw - cgroup2 cgroup2 rw\n"},
        {"/mnt/cg root/g/cpu.max", "300000 100000\n"}};
    EXPECT_EQ(quotaOf(files), 3u);
}

TEST(CgroupQuota, NothingReadable) {
    EXPECT_EQ(quotaOf({}), 0u);
    EXPECT_EQ(quotaOf({{"/proc/self/cgroup", "garbage"}, {"/proc/self/mountinfo", "x - y"}}), 0u);
}

} // namespace
