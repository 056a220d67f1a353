#include "app/ProjectParser.h"

#include <algorithm>

namespace app {

DelimitedProjectParser::DelimitedProjectParser(FileLoader& loader,
                                               std::vector<std::string> startMarkers,
                                               std::vector<std::string> endMarkers,
                                               std::string extension)
    : loader_(loader), startMarkers_(std::move(startMarkers)), endMarkers_(std::move(endMarkers)),
      extension_(std::move(extension)) {}

bool DelimitedProjectParser::acceptsExtension(const std::string& extension) const {
    return extension_.empty() || extension == extension_;
}

std::vector<std::string>
DelimitedProjectParser::readFileNames(const std::string& projectFileName) const {
    return splitEntries(loader_.load(projectFileName, 0));
}

std::vector<std::string> DelimitedProjectParser::splitEntries(const std::string& content) const {
    std::vector<std::string> entries;
    const std::size_t pairs = std::min(startMarkers_.size(), endMarkers_.size());
    std::size_t position = 0;
    while (position <= content.size()) {
        std::size_t startAt = std::string::npos;
        std::size_t marker = 0;
        for (std::size_t i = 0; i < pairs; ++i) {
            const std::size_t found = content.find(startMarkers_[i], position);
            if (found < startAt) {
                startAt = found;
                marker = i;
            }
        }
        if (startAt == std::string::npos)
            break;
        const std::size_t entryStart = startAt + startMarkers_[marker].size();
        const std::size_t endAt = content.find(endMarkers_[marker], entryStart);
        if (endAt == std::string::npos)
            break;
        std::string entry = content.substr(entryStart, endAt - entryStart);
        entry.erase(std::remove(entry.begin(), entry.end(), '\n'), entry.end());
        entry.erase(std::remove(entry.begin(), entry.end(), '\r'), entry.end());
        if (!entry.empty())
            entries.push_back(std::move(entry));
        const std::size_t next = endAt + endMarkers_[marker].size();
        if (next <= position)
            break; // an empty end marker would never move on
        position = next;
    }
    return entries;
}

} // namespace app
