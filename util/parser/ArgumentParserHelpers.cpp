#include "util/parser/ArgumentParserHelpers.h"

#include "util/AssertionReporter.h"

#include <algorithm>
#include <exception>

namespace util::parser {
namespace {
constexpr int kFileNameOfLine = 186;
constexpr int kExtensionOfLine = 220;
} // namespace

std::string fileNameOf(const std::string& name) {
    try {
        std::string copy = name;
        copy.erase(std::remove(copy.begin(), copy.end(), '"'), copy.end());
        const std::size_t backslash = copy.rfind('\\');
        if (backslash == std::string::npos)
            return copy;
        std::size_t end = std::string::npos;
        const std::size_t lastDot = copy.rfind('.');
        if (lastDot != std::string::npos) {
            const std::size_t space = copy.find(' ', lastDot);
            if (space != std::string::npos && space > backslash)
                end = space;
        }
        return end == std::string::npos ? copy.substr(backslash + 1)
                                        : copy.substr(backslash + 1, end - backslash - 1);
    } catch (const std::exception&) {
        reportAssertion("false", __FILE__, kFileNameOfLine);
        throw;
    }
}

std::string extensionOf(const std::string& name) {
    try {
        const std::string fileName = fileNameOf(name);
        const std::size_t lastDot = fileName.rfind('.');
        return lastDot == std::string::npos ? std::string() : fileName.substr(lastDot + 1);
    } catch (const std::exception&) {
        reportAssertion("false", __FILE__, kExtensionOfLine);
        throw;
    }
}

} // namespace util::parser
