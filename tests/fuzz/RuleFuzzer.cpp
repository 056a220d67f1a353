// Feeds arbitrary bytes to everything that reads untrusted input. A crash, a sanitizer report,
// a hang (libFuzzer's -timeout) or a problem that the input check finds is a finding.
#include "tests/fuzz/InputCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (!quarvel::testing::problemsWith(input).empty())
        std::abort();
    return 0;
}
