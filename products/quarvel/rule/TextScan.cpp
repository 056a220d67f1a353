#include "products/quarvel/rule/TextScan.h"

#include <cstring>

namespace products::quarvel::rule {
namespace {
// Bytes of Java sources from the most to the least common (a rough order, measured on a
// large body of code); a byte not listed counts as rarer than all of them.
const char kCommonFirst[] = " \r\ne\tt;a)(irnos.lcu,dpm\"f={}gbhy_vSTkxEwACIRONLPDMF0q1<>Bj+U/*-z";

std::size_t commonness(char byte) {
    const char* at = std::strchr(kCommonFirst, byte);
    return byte != '\0' && at ? sizeof kCommonFirst - static_cast<std::size_t>(at - kCommonFirst)
                              : 0;
}
} // namespace

LiteralFinder::LiteralFinder(std::string literal) : literal_(std::move(literal)) {
    for (std::size_t i = 1; i < literal_.size(); ++i) {
        if (commonness(literal_[i]) < commonness(literal_[rare_]))
            rare_ = i;
    }
}

} // namespace products::quarvel::rule
