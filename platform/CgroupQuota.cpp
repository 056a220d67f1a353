#include "platform/CgroupQuota.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace platform {
namespace {

struct Hierarchy {
    std::string mountRoot;  // the group mounted at the mount point
    std::string mountPoint; // where its folders are
    std::string group;      // the process's own group in it
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

bool hasToken(const std::string& list, const std::string& token) {
    const std::vector<std::string> tokens = split(list, ',');
    return std::find(tokens.begin(), tokens.end(), token) != tokens.end();
}

/// mountinfo writes a space, a tab, a line feed and a backslash in a path as \ooo.
std::string unescapeMountPath(const std::string& path) {
    std::string plain;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const std::string digits = path.substr(i + 1, 3);
        if (path[i] == '\\' && digits.size() == 3 &&
            std::all_of(digits.begin(), digits.end(),
                        [](char c) { return c >= '0' && c <= '7'; })) {
            plain.push_back(static_cast<char>(std::strtol(digits.c_str(), nullptr, 8)));
            i += 3;
        } else {
            plain.push_back(path[i]);
        }
    }
    return plain;
}

/// The mount of the cgroup v2 hierarchy (version 2) or of the v1 hierarchy that holds the
/// cpu controller (version 1), from /proc/self/mountinfo.
std::optional<Hierarchy> findMount(const std::string& mountInfo, int version) {
    for (const std::string& line : split(mountInfo, '\n')) {
        const std::size_t dash = line.find(" - ");
        if (dash == std::string::npos)
            continue;
        const std::vector<std::string> before = split(line.substr(0, dash), ' ');
        const std::vector<std::string> after = split(line.substr(dash + 3), ' ');
        if (before.size() < 5 || after.empty())
            continue;
        const bool matches =
            version == 2 ? after[0] == "cgroup2"
                         : after[0] == "cgroup" && after.size() >= 3 && hasToken(after[2], "cpu");
        if (matches)
            return Hierarchy{unescapeMountPath(before[3]), unescapeMountPath(before[4]), ""};
    }
    return std::nullopt;
}

/// The process's group in the hierarchy, from /proc/self/cgroup: "0::PATH" for v2,
/// "N:CONTROLLERS:PATH" with cpu among the controllers for v1.
std::optional<std::string> findGroup(const std::string& groups, int version) {
    for (const std::string& line : split(groups, '\n')) {
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
        if (second == std::string::npos)
            continue;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        const bool matches = version == 2 ? line.compare(0, first, "0") == 0 && controllers.empty()
                                          : hasToken(controllers, "cpu");
        if (matches)
            return line.substr(second + 1);
    }
    return std::nullopt;
}

/// The folders of the process's group and of every group above it up to the mount point.
std::vector<std::string> groupFolders(const Hierarchy& hierarchy) {
    std::string relative = hierarchy.group;
    // A group seen from another namespace may lie outside the mounted part: then only the
    // mounted group is known.
    if (hierarchy.mountRoot != "/") {
        if (relative.compare(0, hierarchy.mountRoot.size(), hierarchy.mountRoot) == 0)
            relative.erase(0, hierarchy.mountRoot.size());
        else
            relative.clear();
    }
    std::vector<std::string> parts;
    for (const std::string& part : split(relative, '/')) {
        if (part == "..")
            parts.clear();
        else if (!part.empty() && part != ".")
            parts.push_back(part);
    }
    std::vector<std::string> folders;
    std::string folder = hierarchy.mountPoint;
    folders.push_back(folder);
    for (const std::string& part : parts) {
        folder += (folder.empty() || folder.back() != '/') ? "/" + part : part;
        folders.push_back(folder);
    }
    std::reverse(folders.begin(), folders.end());
    return folders;
}

std::optional<long long> number(const std::string& text) {
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return std::nullopt;
    return value;
}

/// "QUOTA PERIOD" or "max PERIOD".
unsigned quotaOfCpuMax(const std::string& text) {
    std::istringstream in(text);
    std::string quota;
    std::string period;
    if (!(in >> quota >> period) || quota == "max")
        return 0;
    const auto allowed = number(quota);
    const auto every = number(period);
    return allowed && every ? processorsForQuota(*allowed, *every) : 0;
}

void takeLeast(unsigned& least, unsigned quota) {
    if (quota != 0 && (least == 0 || quota < least))
        least = quota;
}

} // namespace

unsigned processorsForQuota(long long quota, long long period) {
    if (quota <= 0 || period <= 0)
        return 0;
    return static_cast<unsigned>(std::max<long long>(1, (quota + period - 1) / period));
}

unsigned cgroupQuotaProcessors(const ReadText& read) {
    const std::optional<std::string> groups = read("/proc/self/cgroup");
    const std::optional<std::string> mountInfo = read("/proc/self/mountinfo");
    if (!groups || !mountInfo)
        return 0;
    unsigned least = 0;
    for (const int version : {2, 1}) {
        std::optional<Hierarchy> hierarchy = findMount(*mountInfo, version);
        const std::optional<std::string> group = findGroup(*groups, version);
        if (!hierarchy || !group)
            continue;
        hierarchy->group = *group;
        for (const std::string& folder : groupFolders(*hierarchy)) {
            if (version == 2) {
                if (const auto text = read(folder + "/cpu.max"))
                    takeLeast(least, quotaOfCpuMax(*text));
                continue;
            }
            const auto quota = read(folder + "/cpu.cfs_quota_us");
            const auto period = read(folder + "/cpu.cfs_period_us");
            if (quota && period) {
                const auto allowed = number(*quota);
                const auto every = number(*period);
                if (allowed && every)
                    takeLeast(least, processorsForQuota(*allowed, *every));
            }
        }
    }
    return least;
}

} // namespace platform
