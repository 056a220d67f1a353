#include "products/quarvel/rule/UnusedImportRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <optional>
#include <string_view>
#include <unordered_map>

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule is the pattern "import\s+[^;]+\.([_\w]+);", searched by hand: [^;]+ cannot pass
// the first ';' after "import", so a candidate matches exactly when white space follows the
// keyword and that ';' ends a dot and a run of word bytes, with at least one byte between
// the white space and the dot; the group is that run.
const char kImport[] = "import";
const LiteralFinder kImportFinder(kImport);
const std::size_t kImportLength = sizeof(kImport) - 1;

/// True when the name occurs after `from` with a non-word byte on both sides, the first of
/// which may be the byte at `from` itself. The name is all word bytes, so this gives what
/// the pattern "[^\w]" + name + "[^\w]" searched from `from` would give. Adds the bytes it
/// scanned to `scanned`.
bool occursAsWordAfter(const std::string& code, const std::string& name, std::size_t from,
                       std::size_t& scanned) {
    for (std::size_t at = code.find(name, from + 1); at != std::string::npos;
         at = code.find(name, at + 1)) {
        scanned = at - from;
        const std::size_t after = at + name.size();
        if (!isWordByte(code[at - 1]) && after < code.size() && !isWordByte(code[after]))
            return true;
    }
    scanned = code.size() - from;
    return false;
}

/// For every word that stands with a non-word byte on both sides, the start of its last
/// such occurrence: a name occurs after a position as occursAsWordAfter finds it exactly
/// when its last such occurrence starts after that position.
std::unordered_map<std::string_view, std::size_t> lastWordStarts(const std::string& code) {
    std::unordered_map<std::string_view, std::size_t> starts;
    std::size_t at = 0;
    while (at < code.size()) {
        if (!isWordByte(code[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < code.size() && isWordByte(code[at]))
            ++at;
        if (start > 0 && at < code.size())
            starts[std::string_view(code).substr(start, at - start)] = start;
    }
    return starts;
}

/// Answers whether an imported name is used after its import. Searching ahead for the name
/// is cheapest while names are found soon after their imports; once the searches have
/// scanned sixteen times the text, every word's last place is looked up instead.
class NameUses {
  public:
    explicit NameUses(const std::string& code) : code_(code) {}
    bool usedAfter(const std::string& name, std::size_t from) {
        if (scanned_ <= 16 * code_.size()) {
            std::size_t scanned = 0;
            const bool used = occursAsWordAfter(code_, name, from, scanned);
            scanned_ += scanned;
            return used;
        }
        if (!lastStarts_)
            lastStarts_ = lastWordStarts(code_);
        const auto last = lastStarts_->find(name);
        return last != lastStarts_->end() && last->second > from;
    }

  private:
    const std::string& code_;
    std::size_t scanned_ = 0;
    std::optional<std::unordered_map<std::string_view, std::size_t>> lastStarts_;
};

/// The start of the name run that ends at `semicolon`, when the pattern matches from the
/// keyword at `start` to that ';' (the first one after the keyword).
std::optional<std::size_t> importedNameStart(const std::string& code, std::size_t start,
                                             std::size_t semicolon) {
    const std::size_t afterKeyword = start + kImportLength;
    if (afterKeyword >= semicolon || !isBlank(code[afterKeyword]))
        return std::nullopt;
    std::size_t name = semicolon;
    while (name > afterKeyword && isWordByte(code[name - 1]))
        --name;
    const std::size_t dot = name - 1;
    if (name == semicolon || code[dot] != '.' || dot < afterKeyword + 2)
        return std::nullopt;
    return name;
}
} // namespace

void UnusedImportRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        NameUses uses(code);
        NextOf semicolons(code, ";");
        for (std::size_t start = kImportFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t semicolon = semicolons.from(start + kImportLength);
            if (semicolon == kNoPosition)
                break; // no candidate from here on can reach a ';'
            std::size_t resume = start + 1;
            if (const auto name = importedNameStart(code, start, semicolon)) {
                if (!uses.usedAfter(code.substr(*name, semicolon - *name), semicolon))
                    defects.onDefect(lines.lineAt(semicolon), kMessage);
                resume = semicolon; // at the semicolon
            }
            start = kImportFinder.find(code, resume);
        }
    });
}

} // namespace products::quarvel::rule
