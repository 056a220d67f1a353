#include "products/quarvel/search/SharedScans.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace products::quarvel::search {
namespace {

/// A literal place for every eight bytes of a view, and a few more for short views, is far
/// more than source code holds; a text with more is kept from costing memory out of
/// proportion, and searched as before.
std::size_t maxPositionsFor(const std::string& text) {
    return text.size() / 8 + 4096;
}

std::atomic<bool> shareScans{true};

static_assert(kMaxDeclaredLiterals <= MultiLiteralScan::kMaxPairs,
              "every declared literal can begin with a pair of its own");

struct DeclaredLiterals {
    std::mutex mutex;
    std::vector<std::string> literals;
    /// The scan of every literal declared so far, made again when more have been declared.
    std::shared_ptr<const MultiLiteralScan> scan;
};

DeclaredLiterals& declared() {
    static DeclaredLiterals table;
    return table;
}

std::shared_ptr<const MultiLiteralScan> scanOfDeclaredLiterals() {
    DeclaredLiterals& table = declared();
    const std::lock_guard<std::mutex> lock(table.mutex);
    if (!table.scan || table.scan->literals().size() != table.literals.size())
        table.scan = std::make_shared<const MultiLiteralScan>(table.literals);
    return table.scan;
}

} // namespace

std::size_t declareLiteral(const std::string& literal) {
    if (literal.empty())
        return kNotDeclared;
    DeclaredLiterals& table = declared();
    const std::lock_guard<std::mutex> lock(table.mutex);
    const auto known = std::find(table.literals.begin(), table.literals.end(), literal);
    if (known != table.literals.end())
        return static_cast<std::size_t>(known - table.literals.begin());
    if (table.literals.size() == kMaxDeclaredLiterals)
        return kNotDeclared;
    table.literals.push_back(literal);
    return table.literals.size() - 1;
}

thread_local SharedScans* SharedScans::current_ = nullptr;

SharedScans::SharedScans(std::vector<const std::string*> views) : outer_(current_) {
    if (!shareScans)
        return;
    scan_ = scanOfDeclaredLiterals();
    for (const std::string* text : views)
        views_.push_back({text, false, std::nullopt, {}});
    current_ = this;
}

SharedScans::~SharedScans() {
    if (current_ == this)
        current_ = outer_;
}

void SharedScans::shareForTesting(bool share) {
    shareScans = share;
}

SharedScans::View* SharedScans::viewOf(const std::string& text) {
    for (View& view : views_) {
        // The same bytes in the same place: a view stays unchanged while the file is checked.
        if (view.text->data() == text.data() && view.text->size() == text.size())
            return &view;
    }
    return nullptr;
}

LiteralPositions* SharedScans::lookUp(const std::string& text, std::size_t literal) {
    View* view = viewOf(text);
    if (!view)
        return nullptr;
    if (!view->scanned) {
        view->literals = scan_->scan(text, maxPositionsFor(text));
        view->scanned = true;
    }
    return view->literals && literal < view->literals->literalCount() ? &*view->literals : nullptr;
}

std::shared_ptr<const BracketLevels> SharedScans::bracketLevelsIn(const std::string& text,
                                                                  char open, char close) {
    if (View* view = current_ ? current_->viewOf(text) : nullptr) {
        for (const auto& [pair, levels] : view->brackets) {
            if (pair == std::make_pair(open, close))
                return levels;
        }
    }
    return nullptr;
}

void SharedScans::keepBracketLevels(const std::string& text, char open, char close,
                                    std::shared_ptr<const BracketLevels> levels) {
    if (View* view = current_ ? current_->viewOf(text) : nullptr)
        view->brackets.emplace_back(std::make_pair(open, close), std::move(levels));
}

} // namespace products::quarvel::search
