#pragma once

#include <string>

namespace util::parser::compiler::syntaxhighlighter {

/// The three texts that rules read, all of the source's length with its line feeds in place.
struct SourceViews {
    /// Comments filled with carriage returns; literal contents with spaces.
    std::string code;
    /// Block comments only; everything else spaces.
    std::string comments;
    /// The file as loaded; not copied.
    const std::string& raw;
};

/// The views of a source, from one classification of its bytes. The run and every test that
/// runs a rule build them here, so what a test checks is what the run sees.
SourceViews makeSourceViews(const std::string& raw);

} // namespace util::parser::compiler::syntaxhighlighter
