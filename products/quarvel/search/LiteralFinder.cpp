#include "products/quarvel/search/LiteralFinder.h"

#include <cstring>

namespace products::quarvel::search {
namespace {
// Bytes of Java sources from the most to the least common (a rough order, measured on a
// large body of code); a byte not listed counts as rarer than all of them.
const char kCommonFirst[] = " \r\ne\tt;a)(irnos.lcu,dpm\"f={}gbhy_vSTkxEwACIRONLPDMF0q1<>Bj+U/*-z";

// From '0' on (see kCommonFirst), a byte search for a single byte is faster than comparing
// two bytes at once.
constexpr std::size_t kRareCommonness = 14;

std::size_t commonness(char byte) {
    const char* at = std::strchr(kCommonFirst, byte);
    return byte != '\0' && at ? sizeof kCommonFirst - static_cast<std::size_t>(at - kCommonFirst)
                              : 0;
}
} // namespace

LiteralFinder::LiteralFinder(std::string literal)
    : literal_(std::move(literal)), declared_(declareLiteral(literal_)) {
    for (std::size_t i = 1; i < literal_.size(); ++i) {
        if (commonness(literal_[i]) < commonness(literal_[rare_]))
            rare_ = i;
    }
    second_ = rare_ == 0 && literal_.size() > 1 ? 1 : 0;
    for (std::size_t i = 0; i < literal_.size(); ++i) {
        if (i != rare_ && commonness(literal_[i]) < commonness(literal_[second_]))
            second_ = i;
    }
    // Measured on a large body of Java: the byte search pays only for the last dozen or so
    // of the listed bytes and for those not listed.
    rareByteIsRare_ = commonness(literal_[rare_]) <= kRareCommonness;
}

} // namespace products::quarvel::search
