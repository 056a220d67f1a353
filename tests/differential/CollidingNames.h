#pragma once

// Two different names of 1024 bytes that the rules' stretch hashes cannot tell apart: the
// Thue-Morse sequence over two letters and the same with the letters swapped. Their hash
// difference is a product of ten factors B^(2^k) - 1, which holds 2^64 for every odd base B,
// so a rule that looks names up by hash must still compare the bytes.

#include <cstddef>
#include <string>

namespace quarvel::testing {

inline std::string thueMorseName(bool swapped) {
    std::string name;
    for (unsigned i = 0; i < 1024; ++i) {
        bool odd = false;
        for (unsigned bits = i; bits != 0; bits &= bits - 1)
            odd = !odd;
        name += odd != swapped ? 'b' : 'a';
    }
    return name;
}

} // namespace quarvel::testing
