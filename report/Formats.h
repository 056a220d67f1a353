#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"
#include "report/ToolInfo.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace report {

enum class Format { kSarif, kCheckstyle, kCodeClimate, kGnu, kGithub };

/// The format a name on the command line stands for.
std::optional<Format> formatNamed(std::string_view name);

/// The names of all formats, separated by ", ", for messages.
std::string formatNames();

std::unique_ptr<RunListener> makeWriter(Format format, BlockWriter& out, const ToolInfo& tool,
                                        const RunSettings& settings = {});

} // namespace report
