#include "report/Formats.h"

#include "report/CheckstyleWriter.h"
#include "report/CodeClimateWriter.h"
#include "report/GithubWriter.h"
#include "report/GnuWriter.h"
#include "report/SarifWriter.h"

#include <array>
#include <utility>

namespace report {
namespace {
constexpr std::array<std::pair<std::string_view, Format>, 5> kFormats = {{
    {"sarif", Format::kSarif},
    {"checkstyle", Format::kCheckstyle},
    {"codeclimate", Format::kCodeClimate},
    {"gnu", Format::kGnu},
    {"github", Format::kGithub},
}};
} // namespace

std::optional<Format> formatNamed(std::string_view name) {
    for (const auto& [formatName, format] : kFormats) {
        if (formatName == name)
            return format;
    }
    return std::nullopt;
}

std::string formatNames() {
    std::string names;
    for (const auto& [formatName, format] : kFormats)
        names.append(names.empty() ? "" : ", ").append(formatName);
    return names;
}

std::unique_ptr<RunListener> makeWriter(Format format, BlockWriter& out, const ToolInfo& tool,
                                        const RunSettings& settings) {
    switch (format) {
    case Format::kSarif:
        return std::make_unique<SarifWriter>(out, tool, settings);
    case Format::kCheckstyle:
        return std::make_unique<CheckstyleWriter>(out, tool);
    case Format::kCodeClimate:
        return std::make_unique<CodeClimateWriter>(out);
    case Format::kGnu:
        return std::make_unique<GnuWriter>(out);
    case Format::kGithub:
        return std::make_unique<GithubWriter>(out);
    }
    return nullptr;
}

} // namespace report
