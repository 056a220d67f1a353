#pragma once

#include "scan/run/FileOutcome.h"

#include <string>
#include <string_view>

namespace scan::run {

/// A file's findings as text, for the run that carries each file's output from the thread
/// that analysed it to the one that reports it, in pieces: one line per finding, a line for a
/// problem, and a line that ends the file. Names are not carried: the receiver knows which
/// file it reads.
void appendFinding(std::string& out, const Finding& finding);
void appendProblem(std::string& out, std::string_view reason);
void appendEnd(std::string& out);

/// Text on one line: line feeds, tabs and backslashes escaped with a backslash.
void appendEscaped(std::string& out, std::string_view text);
std::string unescaped(std::string_view text);

/// Reads the pieces of one file at a time and gives back each file once its end is read.
class OutcomeDecoder {
  public:
    /// Reads a piece; returns true when it ended the file, whose findings and problem are then
    /// in `outcome` (name and relative path untouched), and the decoder starts the next file.
    bool read(std::string_view piece, FileOutcome& outcome);
    /// Whether a line read so far was not one the encoder writes (it was left out).
    bool malformed() const { return malformed_; }

  private:
    void readLine(std::string_view line, FileOutcome& outcome);

    std::string partial_; ///< a line cut between pieces
    bool ended_ = false;
    bool malformed_ = false;
};

} // namespace scan::run
