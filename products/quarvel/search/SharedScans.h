#pragma once

#include "products/quarvel/search/MultiLiteralScan.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace products::quarvel::search {

struct BracketLevels;

/// Declares a literal that searches look for, and returns its number in the table of
/// declared literals (the same number for the same text). Every literal finder declares its
/// literal when it is made, so the rules' finders and their patterns' anchors are in the
/// table before the first file is checked. The table holds at most kMaxDeclaredLiterals;
/// beyond that, and for the empty literal, the answer is kNotDeclared and the finder
/// searches on its own.
std::size_t declareLiteral(const std::string& literal);

constexpr std::size_t kNotDeclared = static_cast<std::size_t>(-1);
constexpr std::size_t kMaxDeclaredLiterals = 200;

/// The scans that the searches of one file share, while the object lives, on the thread that
/// made it: the places of the declared literals, and the bracket indexes (see BracketIndex). The
/// first time a search looks for a declared literal in one of the file's views, one pass over that
/// view finds every declared literal at once; from then on every search of the view for a declared
/// literal is a lookup. Texts that are not one of the views are searched as before, and so is a
/// view whose literals are too many to keep (more than one for every eight bytes: a hostile text)
/// or that is 4 GB long or more.
class SharedScans {
  public:
    explicit SharedScans(std::vector<const std::string*> views);
    ~SharedScans();
    SharedScans(const SharedScans&) = delete;
    SharedScans& operator=(const SharedScans&) = delete;

    /// The places of declared literal `literal` in the text, when the text is a view of the
    /// file being checked on this thread and its pass has kept them; otherwise nullptr.
    static LiteralPositions* positionsIn(const std::string& text, std::size_t literal) {
        return current_ && literal != kNotDeclared ? current_->lookUp(text, literal) : nullptr;
    }

    /// The bracket index of one pair that a search has built for the text, when the text is
    /// a view of the file being checked on this thread; otherwise nullptr.
    static std::shared_ptr<const BracketLevels> bracketLevelsIn(const std::string& text, char open,
                                                                char close);
    /// Keeps a bracket index built for the text, when it is such a view, for the searches
    /// that follow.
    static void keepBracketLevels(const std::string& text, char open, char close,
                                  std::shared_ptr<const BracketLevels> levels);

    /// Tests only: whether files made from now on share their scans (the default), so that a
    /// test can compare the shared pass with each search on its own.
    static void shareForTesting(bool share);

  private:
    struct View {
        const std::string* text;
        bool scanned = false;
        std::optional<LiteralPositions> literals;
        /// Bracket indexes built so far, with their pairs of characters.
        std::vector<std::pair<std::pair<char, char>, std::shared_ptr<const BracketLevels>>>
            brackets;
    };

    LiteralPositions* lookUp(const std::string& text, std::size_t literal);
    View* viewOf(const std::string& text);

    static thread_local SharedScans* current_;
    SharedScans* outer_;
    std::shared_ptr<const MultiLiteralScan> scan_;
    std::vector<View> views_;
};

} // namespace products::quarvel::search
