#include "util/parser/ArgumentParser.h"

#include "exceptions/Exception.h"
#include "util/AssertionReporter.h"
#include "util/Helpers.h"

namespace util::parser {
namespace {
constexpr int kMissingArgumentLine = 93;

[[noreturn]] void fail(const std::string& message) {
    throw exceptions::IllegalArgumentException(message);
}
} // namespace

ArgumentParser::ArgumentParser(char flagPrefix) : flagPrefix_(flagPrefix) {}

void ArgumentParser::defineFlag(const std::string& name, std::uint32_t minimum,
                                std::uint32_t maximum, bool optional) {
    if (definedFlags_.count(name))
        fail("The flag " + name + " has been previosly specified");
    if (maximum < minimum)
        fail("[max] must be bigger or equal to [min]");
    definedFlags_[name] = FlagSpec{minimum, maximum, optional};
}

void ArgumentParser::parse(int argumentCount, const char* const* arguments) {
    std::vector<std::string> list;
    for (int i = 0; i < argumentCount; ++i) {
        if (!arguments[i]) {
            reportAssertion("argv[i] != 0", __FILE__, kMissingArgumentLine);
            continue;
        }
        list.emplace_back(arguments[i]);
    }
    parse(list);
}

void ArgumentParser::parse(const std::vector<std::string>& arguments) {
    std::string currentFlag;
    for (const std::string& argument : arguments) {
        if (argument.empty())
            fail("The empty string is not a flag or an argument.");
        if (argument[0] != flagPrefix_) {
            if (currentFlag.empty())
                fail("The argument line should start with a flag");
            parsedFlags_[currentFlag].push_back(argument);
            continue;
        }
        if (!definedFlags_.count(argument))
            fail("The flag " + argument + " is not allowed");
        if (parsedFlags_.count(argument))
            fail("The flag " + argument + " was used more than once.");
        parsedFlags_[argument];
        currentFlag = argument;
    }
    validate();
}

void ArgumentParser::validate() const {
    for (const auto& [name, declared] : definedFlags_) {
        const auto parsed = parsedFlags_.find(name);
        const bool present = parsed != parsedFlags_.end();
        const auto count = present ? static_cast<std::uint32_t>(parsed->second.size()) : 0u;
        if (!declared.optional && !present)
            fail("The non optional flag " + name + " was not found.");
        if (!present)
            continue;
        if (count < declared.minimum)
            fail("Not enough arguments for the flag " + name + ". " + toString(declared.minimum) +
                 " is required.");
        if (count > declared.maximum) {
            if (declared.maximum != 0)
                fail("Too many arguments for the flag " + name + ". No more than " +
                     toString(declared.maximum) + " arguments allowed");
            fail("No arguments for the flag " + name + " are allowed");
        }
    }
}

bool ArgumentParser::hasFlag(const std::string& name) const {
    return parsedFlags_.count(name) != 0;
}

const std::vector<std::string>& ArgumentParser::getArguments(const std::string& name) const {
    const auto parsed = parsedFlags_.find(name);
    if (parsed == parsedFlags_.end())
        fail("The flag: " + name + " was not parsed");
    return parsed->second;
}

const std::string& ArgumentParser::getSingleArgument(const std::string& name) const {
    const std::vector<std::string>& arguments = getArguments(name);
    if (arguments.size() != 1)
        fail("The flag: " + name + " has multiple arguments.");
    return arguments.front();
}

} // namespace util::parser
