#pragma once

#include "products/quarvel/search/TextScan.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace products::quarvel::search {

/// An import that can repeat a name: the position of its keyword, the start of the name after
/// the white space, and the end of the stretch from that start that it is indexed by.
struct IndexedImport {
    std::size_t keyword;
    std::size_t name;
    std::size_t keyEnd;
};

/// The imports of a file ("import", white space, then a name), each indexed by a stretch that
/// begins at its name and ends where the rule says, so that a rule can look only at the
/// imports whose stretch repeats a given text. Keyed by the stretch's length and hash: an
/// import found may repeat the text or only its hash, so the bytes need comparing.
class ImportIndex {
  public:
    /// The end of the stretch that the import whose name starts at the position is indexed
    /// by, or kNoKey for an import that repeats no name.
    using KeyEnd = std::function<std::size_t(std::size_t name)>;
    static constexpr std::size_t kNoKey = std::string::npos;
    static constexpr char kKeyword[] = "import";
    static constexpr std::size_t kKeywordLength = sizeof(kKeyword) - 1;

    /// Imports in increasing order of their keywords.
    struct Imports {
        const IndexedImport* first;
        const IndexedImport* last;
        const IndexedImport* begin() const { return first; }
        const IndexedImport* end() const { return last; }
    };

    ImportIndex(const std::string& code, KeyEnd keyEnd);

    /// The imports whose keyword stands after `after` and before `limit` and whose stretch
    /// may be code[begin, end). Imports are indexed only as far as the limits asked for.
    Imports repeating(std::size_t begin, std::size_t end, std::size_t after, std::size_t limit);

  private:
    void add(std::size_t keyword);

    struct KeyHash {
        std::size_t operator()(const std::pair<std::size_t, std::uint64_t>& key) const {
            return static_cast<std::size_t>(key.second ^ (key.first * 0x9e3779b97f4a7c15ULL));
        }
    };
    const std::string& code_;
    KeyEnd keyEnd_;
    StretchHashes hashes_;
    std::size_t next_; // the next keyword to index
    std::unordered_map<std::pair<std::size_t, std::uint64_t>, std::vector<IndexedImport>, KeyHash>
        imports_;
};

} // namespace products::quarvel::search
