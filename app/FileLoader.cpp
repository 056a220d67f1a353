#include "app/FileLoader.h"

#include "io/file/FileHelper.h"

namespace app {

std::string DiskFileLoader::load(const std::string& name, std::uint64_t byteCount,
                                 const std::function<bool()>& abandoned) {
    return io::file::FileHelper::loadFile(name, byteCount, abandoned);
}

} // namespace app
