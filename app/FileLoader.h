#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace app {

/// Reads files whole. A byte count of 0 means the whole file. With `abandoned`, a long read
/// may stop early once it answers true; what it returns then is to be dropped.
class FileLoader {
  public:
    virtual ~FileLoader() = default;
    virtual std::string load(const std::string& name, std::uint64_t byteCount,
                             const std::function<bool()>& abandoned = {}) = 0;
};

/// Loads from the file system through FileHelper.
class DiskFileLoader : public FileLoader {
  public:
    std::string load(const std::string& name, std::uint64_t byteCount,
                     const std::function<bool()>& abandoned = {}) override;
};

} // namespace app
