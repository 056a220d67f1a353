#pragma once

#include <cstdint>
#include <string>

namespace app {

/// Reads files whole. A byte count of 0 means the whole file.
class FileLoader {
  public:
    virtual ~FileLoader() = default;
    virtual std::string load(const std::string& name, std::uint64_t byteCount) = 0;
};

/// Loads from the file system through FileHelper.
class DiskFileLoader : public FileLoader {
  public:
    std::string load(const std::string& name, std::uint64_t byteCount) override;
};

} // namespace app
