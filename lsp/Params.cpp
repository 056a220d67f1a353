#include "lsp/Params.h"

#include "lsp/RpcError.h"

#include <algorithm>
#include <limits>

namespace lsp::params {

using Json = nlohmann::json;

namespace {
[[noreturn]] void refuse(const std::string& what) {
    throw RpcError(errors::kInvalidParams, what);
}
} // namespace

const Json& member(const Json& object, const char* name) {
    if (!object.is_object())
        refuse(std::string("an object with \"") + name + "\" was expected");
    const auto found = object.find(name);
    if (found == object.end())
        refuse(std::string("\"") + name + "\" is missing");
    return *found;
}

const Json& object(const Json& object, const char* name) {
    const Json& value = member(object, name);
    if (!value.is_object())
        refuse(std::string("\"") + name + "\" must be an object");
    return value;
}

std::string string(const Json& object, const char* name) {
    const Json& value = member(object, name);
    if (!value.is_string())
        refuse(std::string("\"") + name + "\" must be a string");
    return value.get<std::string>();
}

std::int64_t integer(const Json& object, const char* name) {
    const Json& value = member(object, name);
    if (value.is_number_unsigned()) {
        return static_cast<std::int64_t>(std::min<std::uint64_t>(
            value.get<std::uint64_t>(), std::numeric_limits<std::int64_t>::max()));
    }
    if (value.is_number_integer())
        return value.get<std::int64_t>();
    refuse(std::string("\"") + name + "\" must be an integer");
}

Position position(const Json& value) {
    return {integer(value, "line"), integer(value, "character")};
}

Range range(const Json& value) {
    return {position(object(value, "start")), position(object(value, "end"))};
}

std::vector<TextChange> changes(const Json& contentChanges) {
    if (!contentChanges.is_array())
        refuse("\"contentChanges\" must be an array");
    std::vector<TextChange> result;
    result.reserve(contentChanges.size());
    for (const Json& change : contentChanges) {
        TextChange entry;
        entry.text = string(change, "text");
        if (const auto found = change.find("range"); found != change.end() && !found->is_null())
            entry.range = range(object(change, "range"));
        result.push_back(std::move(entry));
    }
    return result;
}

} // namespace lsp::params
