#include "io/file/ReplacingFile.h"

#include "platform/FileSystem.h"
#include "platform/Platform.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <utility>

namespace io::file {
namespace {
/// Names tried before giving up; another is tried only when one exists already.
constexpr int kNameAttempts = 100;

/// Eight hexadecimal digits that differ from call to call and from process to process.
std::string uniqueTag() {
    static std::uint64_t calls = 0;
    std::uint64_t mixed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (++calls << 40) ^ reinterpret_cast<std::uintptr_t>(&calls);
    // A step of splitmix64, so that close inputs give unlike names.
    mixed += 0x9e3779b97f4a7c15u;
    mixed = (mixed ^ (mixed >> 30)) * 0xbf58476d1ce4e5b9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94d049bb133111ebu;
    mixed ^= mixed >> 31;
    static const char kDigits[] = "0123456789abcdef";
    std::string tag(8, '0');
    for (char& digit : tag) {
        digit = kDigits[mixed & 0xf];
        mixed >>= 4;
    }
    return tag;
}

std::string trimmedSystemText(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}
} // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(platform::followLinks(target)) {
    open();
}

ReplacingFile::~ReplacingFile() {
    if (stream_)
        std::fclose(stream_);
    removeTemporary();
}

void ReplacingFile::open() {
    using Kind = platform::FileIdentity::Kind;
    const std::optional<platform::FileIdentity> existing = platform::identifyFile(target_);
    if (existing && existing->kind == Kind::kDirectory) {
        failWithRuntimeError(EISDIR);
        return;
    }
    if (existing && existing->kind == Kind::kOther) {
        direct_ = true;
        stream_ = std::fopen(target_.c_str(), "wb");
        if (stream_)
            writtenPath_ = target_;
        else
            failWithRuntimeError(errno);
        return;
    }
    openTemporaryBeside();
    if (stream_ && existing)
        platform::copyPermissionBits(target_, stream_);
}

void ReplacingFile::openTemporaryBeside() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        // Appended to the whole name, so that it stays in the target's folder.
        std::string path = target_ + "." + uniqueTag() + ".tmp";
        stream_ = platform::createNewFile(path);
        if (stream_) {
            writtenPath_ = std::move(path);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    failWithRuntimeError(errno);
}

bool ReplacingFile::write(std::string_view bytes) {
    if (!isOpen())
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        failWithRuntimeError(errno);
        return false;
    }
    return true;
}

bool ReplacingFile::commit() {
    if (!stream_)
        return false;
    if (failure_.empty() && std::fflush(stream_) != 0)
        failWithRuntimeError(errno);
    if (failure_.empty() && std::ferror(stream_))
        failWithRuntimeError(EIO); // a write through stream() failed; its reason is gone
    if (!closeStream() || !failure_.empty()) {
        removeTemporary();
        return false;
    }
    if (direct_)
        return true;
    // The name may lead to a folder or a device by now; a rename would put a file in its
    // place.
    using Kind = platform::FileIdentity::Kind;
    if (const auto now = platform::identifyFile(target_); now && now->kind != Kind::kRegular) {
        if (now->kind == Kind::kDirectory)
            failWithRuntimeError(EISDIR);
        else
            failure_ = "Not a regular file";
        removeTemporary();
        return false;
    }
    if (!platform::renameReplacing(writtenPath_, target_)) {
        const int reason = platform::lastErrorCode();
        failure_ = trimmedSystemText(
            platform::systemErrorText(reason).value_or("error " + std::to_string(reason)));
        removeTemporary();
        return false;
    }
    writtenPath_.clear();
    return true;
}

bool ReplacingFile::closeStream() {
    std::FILE* stream = std::exchange(stream_, nullptr);
    if (std::fclose(stream) == 0)
        return true;
    if (failure_.empty())
        failWithRuntimeError(errno);
    return false;
}

void ReplacingFile::failWithRuntimeError(int errorNumber) {
    if (!failure_.empty())
        return;
    if (errorNumber == 0)
        errorNumber = EIO; // a failure the runtime did not explain
    failure_ = platform::runtimeErrorText(errorNumber);
    readerWentAway_ = platform::isBrokenPipe(errorNumber);
}

void ReplacingFile::removeTemporary() {
    if (!direct_ && !writtenPath_.empty())
        std::remove(writtenPath_.c_str());
    writtenPath_.clear();
}

} // namespace io::file
