#include "lsp/JsonParse.h"

#include "report/Utf8.h"

#include <optional>
#include <string>
#include <vector>

namespace lsp {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8
constexpr std::string_view kReplacementEscape = "\\ufffd";
constexpr int kRealReplacement = -1;

/// For one string of the body (keys and values counted alike, in the order they stand):
/// what each U+FFFD that the parser will give stands for, a byte or kRealReplacement.
struct Restoration {
    std::size_t stringNumber;
    std::vector<int> replaced;
};

/// The body with every byte and escape the parser refuses inside strings replaced by an
/// escaped U+FFFD, and what to put back.
struct PreparedBody {
    std::string text;
    std::vector<Restoration> restorations;
    bool changed = false;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/// The code unit of a "\uXXXX" escape at `at`, if one stands there.
std::optional<unsigned> escapedUnit(std::string_view body, std::size_t at) {
    if (at + 6 > body.size() || body[at] != '\\' || body[at + 1] != 'u')
        return std::nullopt;
    unsigned unit = 0;
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        const int digit = hexDigit(body[i]);
        if (digit < 0)
            return std::nullopt;
        unit = unit * 16 + static_cast<unsigned>(digit);
    }
    return unit;
}

bool isHighSurrogate(unsigned unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(unsigned unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

/// Reads the string that starts after the quote at `at`, up to and with its closing quote,
/// into the prepared text; returns where it ends.
std::size_t prepareString(std::string_view body, std::size_t at, PreparedBody& prepared,
                          std::vector<int>& replaced, bool& restores) {
    while (at < body.size()) {
        const char c = body[at];
        if (c == '"') {
            prepared.text += c;
            return at + 1;
        }
        if (c == '\\') {
            const std::optional<unsigned> unit = escapedUnit(body, at);
            if (!unit) {
                prepared.text.append(body.substr(at, 2)); // another escape: the parser judges
                at += 2;
                continue;
            }
            if (isHighSurrogate(*unit)) {
                const std::optional<unsigned> low = escapedUnit(body, at + 6);
                if (low && isLowSurrogate(*low)) {
                    prepared.text.append(body.substr(at, 12));
                    at += 12;
                    continue;
                }
            }
            if (isHighSurrogate(*unit) || isLowSurrogate(*unit)) {
                prepared.text += kReplacementEscape;
                prepared.changed = true;
            } else {
                prepared.text.append(body.substr(at, 6));
            }
            if (isHighSurrogate(*unit) || isLowSurrogate(*unit) || *unit == 0xFFFD)
                replaced.push_back(kRealReplacement);
            at += 6;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            prepared.text += c;
            ++at;
            continue;
        }
        const std::size_t length = report::utf8SequenceLength(body, at);
        if (length == 0) {
            prepared.text += kReplacementEscape;
            replaced.push_back(static_cast<unsigned char>(c));
            prepared.changed = true;
            restores = true;
            ++at;
            continue;
        }
        if (body.substr(at, length) == kReplacement)
            replaced.push_back(kRealReplacement);
        prepared.text.append(body.substr(at, length));
        at += length;
    }
    return at;
}

PreparedBody prepare(std::string_view body) {
    PreparedBody prepared;
    prepared.text.reserve(body.size());
    std::size_t stringNumber = 0;
    for (std::size_t at = 0; at < body.size();) {
        const char c = body[at++];
        prepared.text += c;
        if (c != '"')
            continue;
        std::vector<int> replaced;
        bool restores = false;
        at = prepareString(body, at, prepared, replaced, restores);
        if (restores)
            prepared.restorations.push_back({stringNumber, std::move(replaced)});
        ++stringNumber;
    }
    return prepared;
}

/// Builds the value as the library's own builder does, putting restored bytes back into
/// strings, and refusing values nested too deep or too many.
class Builder {
  public:
    Builder(Json& root, const std::vector<Restoration>& restorations)
        : dom_(root), restorations_(restorations) {}

    bool null() { return counted() && dom_.null(); }
    bool boolean(bool value) { return counted() && dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value) {
        return counted() && dom_.number_integer(value);
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        return counted() && dom_.number_unsigned(value);
    }
    bool number_float(Json::number_float_t value, const std::string& text) {
        return counted() && dom_.number_float(value, text);
    }
    bool string(std::string& value) {
        restore(value);
        return counted() && dom_.string(value);
    }
    bool binary(Json::binary_t& value) { return counted() && dom_.binary(value); }
    bool start_object(std::size_t size) { return opened() && dom_.start_object(size); }
    bool key(std::string& value) {
        restore(value);
        return dom_.key(value);
    }
    bool end_object() {
        --depth_;
        return dom_.end_object();
    }
    bool start_array(std::size_t size) { return opened() && dom_.start_array(size); }
    bool end_array() {
        --depth_;
        return dom_.end_array();
    }
    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        return dom_.parse_error(position, token, error);
    }

    const char* refusal() const { return refusal_; }

  private:
    bool counted() {
        if (++values_ <= kMaxValues)
            return true;
        refusal_ = "more values than a message may hold";
        return false;
    }
    bool opened() {
        if (++depth_ > kMaxDepth) {
            refusal_ = "values nested deeper than a message may nest them";
            return false;
        }
        return counted();
    }
    void restore(std::string& value) {
        const std::size_t number = stringNumber_++;
        if (next_ == restorations_.size() || restorations_[next_].stringNumber != number)
            return;
        const std::vector<int>& replaced = restorations_[next_++].replaced;
        std::string restored;
        restored.reserve(value.size());
        std::size_t occurrence = 0;
        std::size_t from = 0;
        for (std::size_t at = value.find(kReplacement); at != std::string::npos;
             at = value.find(kReplacement, from)) {
            restored.append(value, from, at - from);
            const int byte = occurrence < replaced.size() ? replaced[occurrence] : kRealReplacement;
            if (byte == kRealReplacement)
                restored += kReplacement;
            else
                restored += static_cast<char>(byte);
            ++occurrence;
            from = at + kReplacement.size();
        }
        restored.append(value, from, std::string::npos);
        value = std::move(restored);
    }

    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    const std::vector<Restoration>& restorations_;
    std::size_t next_ = 0;
    std::size_t stringNumber_ = 0;
    std::size_t depth_ = 0;
    std::size_t values_ = 0;
    const char* refusal_ = nullptr;
};

Json parseWith(std::string_view text, const std::vector<Restoration>& restorations) {
    Json root;
    Builder builder(root, restorations);
    if (!Json::sax_parse(text, &builder)) {
        throw JsonSyntaxError(builder.refusal() ? builder.refusal() : "not a JSON value");
    }
    return root;
}

} // namespace

Json parseJson(std::string_view body) {
    try {
        try {
            return parseWith(body, {});
        } catch (const Json::parse_error&) {
            PreparedBody prepared = prepare(body);
            if (!prepared.changed)
                throw;
            return parseWith(prepared.text, prepared.restorations);
        }
    } catch (const Json::exception& error) {
        throw JsonSyntaxError(error.what());
    }
}

} // namespace lsp
