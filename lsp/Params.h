#pragma once

#include "lsp/TextChange.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace lsp {

/// Reading the params of a message. What is missing or of the wrong type throws RpcError
/// (InvalidParams) naming it.
namespace params {

const nlohmann::json& member(const nlohmann::json& object, const char* name);
const nlohmann::json& object(const nlohmann::json& object, const char* name);
std::string string(const nlohmann::json& object, const char* name);
std::int64_t integer(const nlohmann::json& object, const char* name);

/// A position, as it is: offsetOf clamps it to the text.
Position position(const nlohmann::json& value);
Range range(const nlohmann::json& value);
/// The contentChanges of a didChange.
std::vector<TextChange> changes(const nlohmann::json& contentChanges);

} // namespace params
} // namespace lsp
