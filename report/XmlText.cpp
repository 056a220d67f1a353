#include "report/XmlText.h"

#include "report/Utf8.h"

namespace report {
namespace {
const char kHexDigits[] = "0123456789ABCDEF";

void appendReference(std::string& out, unsigned codePoint) {
    char reference[12];
    std::size_t at = sizeof reference;
    reference[--at] = ';';
    do {
        reference[--at] = kHexDigits[codePoint & 0xF];
        codePoint >>= 4;
    } while (codePoint != 0);
    reference[--at] = 'x';
    reference[--at] = '#';
    reference[--at] = '&';
    out.append(reference + at, sizeof reference - at);
}

bool isPlain(unsigned char byte) {
    return byte >= 0x20 && byte < 0x80 && byte != '&' && byte != '<' && byte != '>' &&
           byte != '"' && byte != '\'';
}

bool isNoncharacter(std::string_view sequence) {
    return sequence == "\xEF\xBF\xBE" || sequence == "\xEF\xBF\xBF";
}

constexpr unsigned kControlPictures = 0x2400;
constexpr unsigned kReplacementCharacter = 0xFFFD;
} // namespace

void appendXmlAttributeText(std::string& out, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t plainEnd = at;
        while (plainEnd < text.size() && isPlain(static_cast<unsigned char>(text[plainEnd])))
            ++plainEnd;
        out.append(text, at, plainEnd - at);
        at = plainEnd;
        if (at == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[at]);
        switch (byte) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        case '"':
            out.append("&quot;");
            break;
        case '\'':
            out.append("&apos;");
            break;
        case '\t':
        case '\n':
        case '\r':
            // A reference, since a parser turns these bytes into spaces in an attribute.
            appendReference(out, byte);
            break;
        default:
            if (byte < 0x20) {
                appendReference(out, kControlPictures + byte);
            } else if (const std::size_t length = utf8SequenceLength(text, at)) {
                const std::string_view sequence = text.substr(at, length);
                if (isNoncharacter(sequence))
                    appendReference(out, kReplacementCharacter);
                else
                    out.append(sequence);
                at += length;
                continue;
            } else {
                appendReference(out, byte);
            }
        }
        ++at;
    }
}

} // namespace report
