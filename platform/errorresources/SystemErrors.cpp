#include "platform/errorresources/SystemErrors.h"

#include "platform/Platform.h"
#include "util/AssertionReporter.h"
#include "util/Helpers.h"

#include <exception>

namespace platform {
namespace {
const char kPrefix[] = "System error message: ";
} // namespace

std::string SystemErrors::map(int errorCode, const ErrorMapper* fallbackErrors) noexcept {
    try {
        if (const auto text = systemErrorText(errorCode))
            return kPrefix + *text;
        std::string mapped;
        if (fallbackErrors && fallbackErrors->lookup(errorCode, mapped))
            return kPrefix + mapped + "\r\n";
        return kPrefix + std::string("The string representation of the error code [") +
               util::toString(static_cast<std::int32_t>(errorCode)) + "] was not found.\r\n";
    } catch (const std::exception&) {
        util::reportAssertion("false", __FILE__, __LINE__);
        return "An unexpected exception was caught in static std::string SystemErrors::map(int "
               "errorCode, const ErrorMapper* fallbackErrors = 0) throw()\n";
    }
}

} // namespace platform
