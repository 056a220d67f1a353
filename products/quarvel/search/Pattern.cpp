#include "products/quarvel/search/Pattern.h"

#include "products/quarvel/search/PatternEngine.h"

#include <locale>

namespace products::quarvel::search {
namespace {

bool searchEveryPosition = false;

boost::regex compile(const std::string& text) {
    boost::regex regex;
    // The classic locale: classes do not depend on the user's settings, and bytes above
    // 127 belong to no class.
    regex.imbue(std::locale::classic());
    regex.assign(text, boost::regex::perl);
    return regex;
}

} // namespace

bool searchesEveryPosition() {
    return searchEveryPosition;
}

ByteSet ByteSet::of(const std::string& bytes) {
    ByteSet set;
    for (const char byte : bytes)
        set.bits_.set(static_cast<unsigned char>(byte));
    return set;
}

ByteSet ByteSet::whiteSpace() {
    return of(" \t\n\v\f\r");
}

ByteSet ByteSet::word() {
    return of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
}

ByteSet ByteSet::any() {
    ByteSet set;
    set.bits_.set();
    return set;
}

ByteSet ByteSet::anyExcept(const std::string& bytes) {
    ByteSet set = any();
    for (const char byte : bytes)
        set.bits_.reset(static_cast<unsigned char>(byte));
    return set;
}

ByteSet ByteSet::operator|(const ByteSet& other) const {
    ByteSet set;
    set.bits_ = bits_ | other.bits_;
    return set;
}

Pattern::Pattern(const std::string& text, std::vector<Anchor> anchors)
    : text_(text), anchors_(std::move(anchors)),
      compiled_(std::make_unique<Compiled>(Compiled{compile(text)})) {}

void Pattern::searchEveryPositionForTesting(bool everyPosition) {
    searchEveryPosition = everyPosition;
}
Pattern::~Pattern() = default;
Pattern::Pattern(Pattern&&) noexcept = default;

std::string Match::groupText(const std::string& text, std::size_t index) const {
    const Span span = group(index);
    return span.matched() ? text.substr(span.begin, span.length()) : std::string();
}

} // namespace products::quarvel::search
