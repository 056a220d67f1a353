#include "lsp/DueQueue.h"

#include <algorithm>

namespace lsp {

namespace {
template <class Map> auto soonestEntry(Map& due) {
    return std::min_element(due.begin(), due.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; });
}
} // namespace

void DueQueue::hurry(const std::string& uri, Clock::time_point due) {
    const auto entry = due_.find(uri);
    if (entry != due_.end())
        entry->second = std::min(entry->second, due);
}

std::optional<DueQueue::Clock::time_point> DueQueue::soonest() const {
    if (due_.empty())
        return std::nullopt;
    return soonestEntry(due_)->second;
}

std::optional<std::string> DueQueue::takeDue(Clock::time_point now) {
    if (due_.empty())
        return std::nullopt;
    const auto entry = soonestEntry(due_);
    if (entry->second > now)
        return std::nullopt;
    std::string uri = entry->first;
    due_.erase(entry);
    return uri;
}

} // namespace lsp
