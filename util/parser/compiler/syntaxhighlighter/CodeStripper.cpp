#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include "util/AssertionReporter.h"
#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

#include <algorithm>
#include <array>

namespace util::parser::compiler::syntaxhighlighter {
namespace {

/// What each kind becomes: kKeep, or the byte that replaces it.
using Replacements = std::array<int, 7>;
constexpr int kKeep = -1;

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
        if (kind < replacements.size() && replacements[kind] != kKeep)
            view[i] = static_cast<char>(replacements[kind]);
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
