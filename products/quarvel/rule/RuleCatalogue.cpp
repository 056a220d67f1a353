#include "products/quarvel/rule/RuleCatalogue.h"

#include "products/quarvel/rule/AllRules.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace products::quarvel::rule {
namespace {

/// A rule's fixed message, or the summary of a message that it puts together.
template <class R, class = void> struct Summary {
    static constexpr std::string_view text = R::kMessage;
};
template <class R> struct Summary<R, std::void_t<decltype(R::kSummary)>> {
    static constexpr std::string_view text = R::kSummary;
};

template <class... R> constexpr std::array<RuleInfo, sizeof...(R)> describe(std::tuple<R...>*) {
    return {{{R::kNumber, R::kName, Summary<R>::text, R::kHelp, R::kLevel}...}};
}

constexpr auto kCatalogue = describe(static_cast<RuleTypes*>(nullptr));

// Rule 1007 names the byte it found and the style the file seems to have.
constexpr std::array<std::string_view, 2> kIndentationMessages = {
    "Mixed indentation style. Tab found. (File seems indented with space).",
    "Mixed indentation style. Space found. (File seems indented with tab)."};

// Rule 1024 puts the tag's name, one or more word bytes, between single quotes.
constexpr std::string_view kTagMessageEnd = "' is an unknown javadoc tag.";

bool isTagNameByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    // Bytes above 127 are word bytes or not by the platform's tables; a name may hold them.
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || byte == '_' || byte > 127;
}

bool isTagMessage(std::string_view message) {
    if (message.size() <= kTagMessageEnd.size() + 1 || message.front() != '\'' ||
        message.substr(message.size() - kTagMessageEnd.size()) != kTagMessageEnd)
        return false;
    const std::string_view name = message.substr(1, message.size() - kTagMessageEnd.size() - 1);
    return std::all_of(name.begin(), name.end(), isTagNameByte);
}

} // namespace

const std::vector<RuleInfo>& ruleCatalogue() {
    static const std::vector<RuleInfo> catalogue(kCatalogue.begin(), kCatalogue.end());
    return catalogue;
}

const RuleInfo* findRule(std::int32_t number) {
    const std::vector<RuleInfo>& catalogue = ruleCatalogue();
    const auto found = std::lower_bound(
        catalogue.begin(), catalogue.end(), number,
        [](const RuleInfo& rule, std::int32_t wanted) { return rule.number < wanted; });
    return found != catalogue.end() && found->number == number ? &*found : nullptr;
}

bool givesMessage(const RuleInfo& rule, std::string_view message) {
    switch (rule.number) {
    case MixedIndentationRule::kNumber:
        return message == kIndentationMessages[0] || message == kIndentationMessages[1];
    case UnknownJavadocTagRule::kNumber:
        return isTagMessage(message);
    default:
        return message == rule.message;
    }
}

} // namespace products::quarvel::rule
