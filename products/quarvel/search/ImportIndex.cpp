#include "products/quarvel/search/ImportIndex.h"

#include <algorithm>

namespace products::quarvel::search {
namespace {
const LiteralFinder kKeywordFinder(ImportIndex::kKeyword);
} // namespace

ImportIndex::ImportIndex(const std::string& code, KeyEnd keyEnd)
    : code_(code), keyEnd_(std::move(keyEnd)), hashes_(code), next_(kKeywordFinder.find(code, 0)) {}

ImportIndex::Imports ImportIndex::repeating(std::size_t begin, std::size_t end, std::size_t after,
                                            std::size_t limit) {
    for (; next_ != std::string::npos && next_ < limit;
         next_ = kKeywordFinder.find(code_, next_ + 1))
        add(next_);
    const auto found = imports_.find({end - begin, hashes_.of(begin, end)});
    if (found == imports_.end())
        return {nullptr, nullptr};
    const std::vector<IndexedImport>& imports = found->second;
    const auto first = std::upper_bound(
        imports.begin(), imports.end(), after,
        [](std::size_t position, const IndexedImport& i) { return position < i.keyword; });
    const auto last = std::lower_bound(
        first, imports.end(), limit,
        [](const IndexedImport& i, std::size_t position) { return i.keyword < position; });
    return {imports.data() + (first - imports.begin()), imports.data() + (last - imports.begin())};
}

void ImportIndex::add(std::size_t keyword) {
    const std::size_t blanks = keyword + kKeywordLength;
    const std::size_t name = skipBlanks(code_, blanks);
    if (name == blanks)
        return;
    const std::size_t keyEnd = keyEnd_(name);
    if (keyEnd != kNoKey)
        imports_[{keyEnd - name, hashes_.of(name, keyEnd)}].push_back({keyword, name, keyEnd});
}

} // namespace products::quarvel::search
