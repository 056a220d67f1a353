#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace util::parser {

/// A command-line parser: flags declared with their argument counts, then one parse, then
/// queries. Every error is an IllegalArgumentException whose message names the problem.
class ArgumentParser {
  public:
    /// The maximum that stands for "any number of arguments".
    static constexpr std::uint32_t kUnlimited = 0xFFFFFFFFu;

    explicit ArgumentParser(char flagPrefix);
    virtual ~ArgumentParser() = default;

    void defineFlag(const std::string& name, std::uint32_t minimum, std::uint32_t maximum,
                    bool optional);
    void parse(int argumentCount, const char* const* arguments);
    void parse(const std::vector<std::string>& arguments);

    bool hasFlag(const std::string& name) const;
    const std::vector<std::string>& getArguments(const std::string& name) const;
    const std::string& getSingleArgument(const std::string& name) const;

  private:
    struct FlagSpec {
        std::uint32_t minimum;
        std::uint32_t maximum;
        bool optional;
    };

    void validate() const;

    char flagPrefix_;
    std::map<std::string, std::vector<std::string>> parsedFlags_;
    std::map<std::string, FlagSpec> definedFlags_;
};

} // namespace util::parser
