#include "scan/run/OutcomeCodec.h"

#include <charconv>
#include <optional>

namespace scan::run {
namespace {

using products::quarvel::rule::Level;

char levelLetter(Level level) {
    switch (level) {
    case Level::kError:
        return 'e';
    case Level::kWarning:
        return 'w';
    case Level::kNote:
        return 'n';
    }
    return 'w';
}

Level levelOfLetter(char letter) {
    return letter == 'e' ? Level::kError : letter == 'n' ? Level::kNote : Level::kWarning;
}

} // namespace

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
}

std::string unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            plain += next == 'n' ? '\n' : next == 't' ? '\t' : next;
            ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

namespace {

/// Reads a number and the separator after it; nullopt when there is none.
template <class Number>
std::optional<std::string_view> readNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const std::size_t used = static_cast<std::size_t>(end - text.data());
    if (error != std::errc() || used == 0 || used >= text.size() || text[used] != ' ')
        return std::nullopt;
    return text.substr(used + 1);
}

} // namespace

// F LINE RULE LEVEL FLAGS LINEHASH CONTEXTHASH FINGERPRINT MESSAGE
void appendFinding(std::string& out, const Finding& finding) {
    out += 'F';
    out += std::to_string(finding.line);
    out += ' ';
    out += std::to_string(finding.rule->number);
    out += ' ';
    out += levelLetter(finding.level);
    out += finding.inBaseline ? 'b' : '-';
    out += finding.onNewLine ? 'n' : '-';
    out += ' ';
    out += std::to_string(finding.lineHash);
    out += ' ';
    out += std::to_string(finding.contextHash);
    out += ' ';
    out += finding.fingerprint.empty() ? "-" : finding.fingerprint;
    out += ' ';
    appendEscaped(out, finding.message);
    out += '\n';
}

void appendProblem(std::string& out, std::string_view reason) {
    out += 'P';
    appendEscaped(out, reason);
    out += '\n';
}

void appendEnd(std::string& out) {
    out += "E\n";
}

bool OutcomeDecoder::read(std::string_view piece, FileOutcome& outcome) {
    ended_ = false;
    std::size_t start = 0;
    while (start < piece.size()) {
        const std::size_t end = piece.find('\n', start);
        if (end == std::string_view::npos) {
            partial_.append(piece.substr(start));
            break;
        }
        if (partial_.empty()) {
            readLine(piece.substr(start, end - start), outcome);
        } else {
            partial_.append(piece.substr(start, end - start));
            const std::string line = std::move(partial_);
            partial_.clear();
            readLine(line, outcome);
        }
        start = end + 1;
    }
    return ended_;
}

void OutcomeDecoder::readLine(std::string_view line, FileOutcome& outcome) {
    if (line.empty())
        return;
    switch (line[0]) {
    case 'F': {
        Finding finding;
        std::int32_t rule = 0;
        auto rest = readNumber(line.substr(1), finding.line);
        if (rest)
            rest = readNumber(*rest, rule);
        if (!rest || rest->size() < 4 || (*rest)[3] != ' ') {
            malformed_ = true;
            break;
        }
        finding.rule = products::quarvel::rule::findRule(rule);
        finding.level = levelOfLetter((*rest)[0]);
        finding.inBaseline = (*rest)[1] == 'b';
        finding.onNewLine = (*rest)[2] == 'n';
        rest = readNumber(rest->substr(4), finding.lineHash);
        if (rest)
            rest = readNumber(*rest, finding.contextHash);
        const std::size_t space = rest ? rest->find(' ') : std::string_view::npos;
        if (!finding.rule || space == std::string_view::npos) {
            malformed_ = true;
            break;
        }
        if (rest->substr(0, space) != "-")
            finding.fingerprint = std::string(rest->substr(0, space));
        finding.message = unescaped(rest->substr(space + 1));
        outcome.findings.push_back(std::move(finding));
        break;
    }
    case 'P':
        outcome.problem = unescaped(line.substr(1));
        break;
    case 'E':
        ended_ = true;
        break;
    default:
        malformed_ = true;
        break;
    }
}

} // namespace scan::run
