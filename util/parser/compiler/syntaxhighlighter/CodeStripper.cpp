#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include "util/AssertionReporter.h"
#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

#include <algorithm>
#include <array>
#include <optional>

namespace util::parser::compiler::syntaxhighlighter {
namespace {

/// What each kind becomes: kKeep, or the byte that replaces it.
using Replacements = std::array<std::optional<char>, 7>;
constexpr std::nullopt_t kKeep = std::nullopt;

std::string makeView(const std::string& sourcecode, const Replacements& replacements) {
    const std::string highlightData = createHighlighter("java")->highlight(sourcecode, "");
    if (highlightData.size() != sourcecode.size())
        reportAssertion("highlightData.size() == sourcecode.size()", __FILE__, __LINE__);
    std::string view = sourcecode;
    const std::size_t length = std::min(highlightData.size(), sourcecode.size());
    for (std::size_t i = 0; i < length; ++i) {
        if (view[i] == '\n')
            continue;
        const auto kind = static_cast<unsigned char>(highlightData[i]);
        if (kind < replacements.size() && replacements[kind])
            view[i] = *replacements[kind];
    }
    return view;
}

} // namespace

// Kinds, in order: code, keyword, block comment, line comment, char literal, string content,
// string quote.
std::string CodeStripper::makeCodeView(const std::string& source, char commentFill) {
    return makeView(source, {kKeep, kKeep, commentFill, commentFill, ' ', ' ', kKeep});
}

std::string CodeStripper::makeCommentView(const std::string& source) {
    return makeView(source, {' ', ' ', kKeep, ' ', ' ', ' ', ' '});
}

std::string CodeStripper::makeConfigView(const std::string& source) {
    return makeView(source, {kKeep, kKeep, ' ', ' ', kKeep, ' ', ' '});
}

std::string CodeStripper::makeAllCommentsView(const std::string& source) {
    return makeView(source, {' ', ' ', kKeep, kKeep, ' ', ' ', ' '});
}

} // namespace util::parser::compiler::syntaxhighlighter
