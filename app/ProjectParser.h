#pragma once

#include "app/FileLoader.h"

#include <string>
#include <vector>

namespace app {

/// Reads the source file names that a project file lists.
class ProjectParser {
  public:
    virtual ~ProjectParser() = default;
    virtual bool acceptsExtension(const std::string& extension) const = 0;
    virtual std::vector<std::string> readFileNames(const std::string& projectFileName) const = 0;
};

/// A project format in which every entry stands between a start marker and its paired end
/// marker; line feeds and carriage returns are dropped from entries and empty entries skipped.
class DelimitedProjectParser : public ProjectParser {
  public:
    DelimitedProjectParser(FileLoader& loader, std::vector<std::string> startMarkers,
                           std::vector<std::string> endMarkers, std::string extension);

    /// True for every extension when this parser's own is empty; else exact equality.
    bool acceptsExtension(const std::string& extension) const override;
    std::vector<std::string> readFileNames(const std::string& projectFileName) const override;
    std::vector<std::string> splitEntries(const std::string& content) const;

  private:
    FileLoader& loader_;
    std::vector<std::string> startMarkers_;
    std::vector<std::string> endMarkers_;
    std::string extension_;
};

} // namespace app
