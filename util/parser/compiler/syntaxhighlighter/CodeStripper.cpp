#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include "util/AssertionReporter.h"
#include "util/ByteScan.h"
#include "util/parser/compiler/syntaxhighlighter/CharKind.h"
#include "util/parser/compiler/syntaxhighlighter/JavaConstructScan.h"
#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

#include <algorithm>
#include <array>
#include <optional>

namespace util::parser::compiler::syntaxhighlighter {
namespace {

/// What each kind becomes: kKeep, or the byte that replaces it.
using Replacements = std::array<std::optional<char>, 7>;
constexpr std::nullopt_t kKeep = std::nullopt;

// Kinds, in order: code, keyword, block comment, line comment, char literal, string content,
// string quote.
Replacements codeView(char commentFill) {
    return {kKeep, kKeep, commentFill, commentFill, ' ', ' ', kKeep};
}
const Replacements kCommentView = {' ', ' ', kKeep, ' ', ' ', ' ', ' '};
const Replacements kConfigView = {kKeep, kKeep, ' ', ' ', kKeep, ' ', ' '};
const Replacements kAllCommentsView = {' ', ' ', kKeep, kKeep, ' ', ' ', ' '};

std::string classify(const std::string& sourcecode) {
    std::string highlightData = createHighlighter("java")->highlight(sourcecode, "");
    if (highlightData.size() != sourcecode.size())
        reportAssertion("highlightData.size() == sourcecode.size()", __FILE__, __LINE__);
    return highlightData;
}

std::string applyView(const std::string& sourcecode, const std::string& highlightData,
                      const Replacements& replacements) {
    // One byte per kind value: the replacement, or the marker that the source byte stays.
    std::array<int, 256> byKind;
    byKind.fill(-1);
    for (std::size_t kind = 0; kind < replacements.size(); ++kind) {
        if (replacements[kind])
            byKind[kind] = static_cast<unsigned char>(*replacements[kind]);
    }
    std::string view = sourcecode;
    const std::size_t length = std::min(highlightData.size(), sourcecode.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int replacement = byKind[static_cast<unsigned char>(highlightData[i])];
        if (replacement >= 0 && view[i] != '\n')
            view[i] = static_cast<char>(replacement);
    }
    return view;
}

/// Writes the code and comment views from the construct scan: keyword marks, which the
/// views do not distinguish from code, are not needed.
class ViewMarker {
  public:
    ViewMarker(const std::string& source, std::string& code, std::string& comments,
               char commentFill)
        : source_(source), code_(code), comments_(comments), commentFill_(commentFill) {}

    void mark(std::size_t from, std::size_t to, CharKind kind) {
        switch (kind) {
        case CharKind::BlockComment:
            fillCode(from, to, commentFill_);
            std::copy(source_.begin() + static_cast<std::ptrdiff_t>(from),
                      source_.begin() + static_cast<std::ptrdiff_t>(to),
                      comments_.begin() + static_cast<std::ptrdiff_t>(from));
            break;
        case CharKind::LineComment:
            fillCode(from, to, commentFill_);
            break;
        case CharKind::CharLiteral:
        case CharKind::StringLiteral:
            fillCode(from, to, ' ');
            break;
        default:
            break;
        }
    }

  private:
    /// Line feeds stay in every view.
    void fillCode(std::size_t from, std::size_t to, char fill) {
        util::fillKeepingLineFeeds(source_, code_, from, to, fill);
    }

    const std::string& source_;
    std::string& code_;
    std::string& comments_;
    char commentFill_;
};

std::string makeView(const std::string& sourcecode, const Replacements& replacements) {
    return applyView(sourcecode, classify(sourcecode), replacements);
}

} // namespace

std::string CodeStripper::makeCodeView(const std::string& source, char commentFill) {
    return makeView(source, codeView(commentFill));
}

std::string CodeStripper::makeCommentView(const std::string& source) {
    return makeView(source, kCommentView);
}

std::string CodeStripper::makeConfigView(const std::string& source) {
    return makeView(source, kConfigView);
}

std::string CodeStripper::makeAllCommentsView(const std::string& source) {
    return makeView(source, kAllCommentsView);
}

CodeStripper::CodeAndCommentViews CodeStripper::makeCodeAndCommentViews(const std::string& source,
                                                                        char commentFill) {
    // This runs over every byte of every file: both views are written straight from the
    // construct scan, without highlight data in between.
    CodeAndCommentViews views{source, std::string(source.size(), ' ')};
    util::fillKeepingLineFeeds(source, views.comments, 0, source.size(), ' ');
    ViewMarker marker(source, views.code, views.comments, commentFill);
    scanJavaConstructs(source, marker);
    return views;
}

} // namespace util::parser::compiler::syntaxhighlighter
