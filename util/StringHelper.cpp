#include "util/StringHelper.h"

#include "util/AssertionReporter.h"
#include "util/memory/Memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace util {

std::int32_t lineNumberAt(const std::string& text, std::size_t position) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(position, text.size()));
    return static_cast<std::int32_t>(std::count(text.begin(), end, '\n')) + 1;
}

std::size_t StringHelper::replaceAll(std::string& replaceIn, const std::string& search,
                                     const std::string& replacement) {
    if (std::find(replaceIn.begin(), replaceIn.end(), '\0') != replaceIn.end())
        reportAssertion("find(replaceIn.begin(), replaceIn.end(), '\\0') == replaceIn.end()",
                        __FILE__, __LINE__);
    if (search.empty())
        return 0;
    std::size_t count = 0;
    std::size_t position = 0;
    while ((position = replaceIn.find(search, position)) != std::string::npos) {
        replaceIn.replace(position, search.size(), replacement);
        position += replacement.size();
        ++count;
    }
    return count;
}

std::size_t StringHelper::countOccurrences(const std::string& text, const std::string& search) {
    if (search.empty())
        return 0;
    std::size_t count = 0;
    for (std::size_t position = text.find(search); position != std::string::npos;
         position = text.find(search, position + search.size()))
        ++count;
    return count;
}

std::string StringHelper::toLowerCase(const std::string& src) {
    return changeCase(src, Lower);
}

std::string StringHelper::changeCase(const std::string& src, int mode) {
    if (src.c_str()[src.size()] != 0)
        reportAssertion("src.c_str()[src.size()] == 0", __FILE__, __LINE__);
    char* block = static_cast<char*>(memory::duplicate(src.c_str(), src.size() + 1));
    if (!block)
        return std::string();
    if (mode != Lower && mode != Upper)
        reportAssertion("false", __FILE__, __LINE__);
    for (std::size_t i = 0; i < src.size(); ++i) {
        const char c = block[i];
        if (mode == Lower && c >= 'A' && c <= 'Z')
            block[i] = static_cast<char>(c - 'A' + 'a');
        else if (mode == Upper && c >= 'a' && c <= 'z')
            block[i] = static_cast<char>(c - 'a' + 'A');
    }
    std::string result(block); // up to the first zero byte
    std::free(block);
    return result;
}

} // namespace util
