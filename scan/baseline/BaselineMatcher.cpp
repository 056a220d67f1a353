#include "scan/baseline/BaselineMatcher.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace scan::baseline {

BaselineMatcher::BaselineMatcher(const std::vector<Entry>& baseline)
    : untakenCount_(baseline.size()) {
    for (const Entry& entry : baseline)
        untaken_[entry.path][LineKey{entry.rule, entry.lineHash}].push_back(entry.contextHash);
}

std::vector<bool> BaselineMatcher::match(const std::vector<KeyedDefect>& fileDefects) {
    // The defects of each key, in line order.
    std::vector<std::size_t> inLineOrder(fileDefects.size());
    std::iota(inLineOrder.begin(), inLineOrder.end(), 0);
    std::stable_sort(inLineOrder.begin(), inLineOrder.end(), [&](std::size_t a, std::size_t b) {
        return fileDefects[a].occurrence < fileDefects[b].occurrence;
    });
    std::map<std::pair<std::string_view, LineKey>, std::vector<std::size_t>> byKey;
    for (const std::size_t index : inLineOrder) {
        const DefectKey& key = fileDefects[index].key;
        byKey[{key.path, LineKey{key.rule, lineHash(key.text)}}].push_back(index);
    }

    std::vector<bool> recorded(fileDefects.size(), false);
    for (const auto& [key, defects] : byKey) {
        const auto file = untaken_.find(std::string(key.first));
        if (file == untaken_.end())
            continue;
        const auto found = file->second.find(key.second);
        if (found == file->second.end())
            continue;
        std::vector<std::uint16_t>& contexts = found->second;
        const auto take = [&](std::size_t index, std::vector<std::uint16_t>::iterator entry) {
            recorded[index] = true;
            contexts.erase(entry);
            --untakenCount_;
        };
        for (const std::size_t index : defects) {
            const auto entry =
                std::find(contexts.begin(), contexts.end(), fileDefects[index].context);
            if (entry != contexts.end())
                take(index, entry);
        }
        for (const std::size_t index : defects) {
            if (!recorded[index] && !contexts.empty())
                take(index, contexts.begin());
        }
    }
    return recorded;
}

} // namespace scan::baseline
