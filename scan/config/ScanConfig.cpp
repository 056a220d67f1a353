#include "scan/config/ScanConfig.h"

#include "products/quarvel/rule/RuleCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <toml++/toml.h>
#include <utility>

namespace scan::config {
namespace {

using products::quarvel::rule::findRule;
using products::quarvel::rule::ruleCatalogue;
using products::quarvel::rule::RuleInfo;

constexpr char kLevelWords[] = "\"off\", \"error\", \"warning\" or \"note\"";

/// The rule's place in the catalogue, or nullopt for a number that is no rule.
std::optional<std::size_t> catalogueIndex(std::int64_t number) {
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    const RuleInfo* rule = findRule(static_cast<std::int32_t>(number));
    if (!rule)
        return std::nullopt;
    return static_cast<std::size_t>(rule - ruleCatalogue().data());
}

std::string ruleRange() {
    return "rules are numbered " + std::to_string(ruleCatalogue().front().number) + " to " +
           std::to_string(ruleCatalogue().back().number);
}

std::string typeName(const toml::node& node) {
    switch (node.type()) {
    case toml::node_type::string:
        return "a string";
    case toml::node_type::integer:
        return "an integer";
    case toml::node_type::floating_point:
        return "a floating-point number";
    case toml::node_type::boolean:
        return "a boolean";
    case toml::node_type::date:
        return "a date";
    case toml::node_type::time:
        return "a time";
    case toml::node_type::date_time:
        return "a date-time";
    case toml::node_type::array:
        return "an array";
    case toml::node_type::table:
        return "a table";
    case toml::node_type::none:
        break;
    }
    return "nothing";
}

/// A table's entries in the order the file gives them (a table keeps its keys sorted), so
/// that the first mistake in the file is the one reported.
std::vector<std::pair<const toml::key*, const toml::node*>> inFileOrder(const toml::table& table) {
    std::vector<std::pair<const toml::key*, const toml::node*>> entries;
    for (const auto& [key, node] : table)
        entries.emplace_back(&key, &node);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const toml::source_position& first = a.first->source().begin;
        const toml::source_position& second = b.first->source().begin;
        return std::pair(first.line, first.column) < std::pair(second.line, second.column);
    });
    return entries;
}

std::string folderOf(const std::string& fileName) {
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

} // namespace

/// Turns a parsed document into a ScanConfig, naming the place of the first thing it cannot
/// mean.
class ConfigReader {
  public:
    explicit ConfigReader(const std::string& fileName) : fileName_(fileName) {}

    ScanConfig read(std::string_view text) {
        ScanConfig config(folderOf(fileName_));
        toml::parse_result parsed = toml::parse(text, fileName_);
        if (!parsed)
            fail(parsed.error().source(), std::string(parsed.error().description()));
        for (const auto& [keyAt, nodeAt] : inFileOrder(parsed.table())) {
            const toml::key& key = *keyAt;
            const toml::node& node = *nodeAt;
            const std::string_view name = key.str();
            if (name == "include") {
                config.include_ = readGlobs(key, node);
                if (config.include_.empty())
                    fail(node.source(), "'include' is empty: leave it out to check every file");
            } else if (name == "exclude") {
                config.exclude_ = readGlobs(key, node);
            } else if (name == "baseline") {
                config.baseline_ = readBaseline(config.folder_, node);
            } else if (name == "rules") {
                readRules(node, config.overrides_);
            } else if (name == "paths") {
                config.paths_ = readPaths(node);
            } else {
                fail(key.source(), "unknown key '" + std::string(name) +
                                       "': the keys are include, exclude, baseline, [rules] "
                                       "and [[paths]]");
            }
        }
        return config;
    }

  private:
    [[noreturn]] void fail(const toml::source_region& where, const std::string& message) const {
        std::string place = fileName_ + ":" + std::to_string(where.begin.line);
        if (where.begin.column > 0)
            place += ":" + std::to_string(where.begin.column);
        throw ConfigException(place + ": " + message);
    }

    std::vector<Glob> readGlobs(const toml::key& key, const toml::node& node) const {
        const std::string name(key.str());
        const toml::array* array = node.as_array();
        if (!array)
            fail(node.source(), "'" + name + "' must be an array of globs, not " + typeName(node) +
                                    ": " + name + " = [\"...\"]");
        std::vector<Glob> globs;
        for (const toml::node& element : *array)
            globs.push_back(readGlob(name, element));
        return globs;
    }

    Glob readGlob(const std::string& name, const toml::node& node) const {
        const toml::value<std::string>* text = node.as_string();
        if (!text)
            fail(node.source(), "'" + name + "' must hold globs as strings, not " + typeName(node));
        try {
            return Glob(text->get());
        } catch (const GlobException& e) {
            fail(node.source(), e.getMessage());
        }
    }

    std::string readBaseline(const std::string& folder, const toml::node& node) const {
        const toml::value<std::string>* text = node.as_string();
        if (!text)
            fail(node.source(),
                 "'baseline' must be a file name as a string, not " + typeName(node));
        if (text->get().empty())
            fail(node.source(), "'baseline' is empty: name the baseline file, or leave it out");
        const std::filesystem::path file(text->get());
        return file.is_absolute() || folder == "."
                   ? file.string()
                   : (std::filesystem::path(folder) / file).string();
    }

    void readRules(const toml::node& node,
                   std::vector<std::optional<std::optional<Level>>>& overrides) const {
        const toml::table* table = node.as_table();
        if (!table)
            fail(node.source(), "'rules' must be a table of rule numbers and levels, not " +
                                    typeName(node) + ": write [rules] and 1022 = \"off\" below it");
        for (const auto& [key, valueAt] : inFileOrder(*table)) {
            const toml::node& value = *valueAt;
            const std::size_t rule = ruleOfKey(*key);
            const toml::value<std::string>* word = value.as_string();
            if (!word)
                fail(value.source(), "the level of rule " + std::string(key->str()) +
                                         " must be a string, " + kLevelWords + ", not " +
                                         typeName(value));
            if (word->get() == "off") {
                overrides[rule] = std::optional<Level>();
            } else if (const std::optional<Level> level =
                           products::quarvel::rule::parseLevel(word->get())) {
                overrides[rule] = level;
            } else {
                fail(value.source(), "'" + word->get() + "' is not a level: write " + kLevelWords);
            }
        }
    }

    std::size_t ruleOfKey(const toml::key& key) const {
        const std::string_view text = key.str();
        const bool isNumber =
            !text.empty() && text.size() <= 9 && text.front() != '0' &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!isNumber)
            fail(key.source(), "'" + std::string(text) + "' is not a rule number: " + ruleRange());
        const std::optional<std::size_t> rule = catalogueIndex(std::stoll(std::string(text)));
        if (!rule)
            fail(key.source(), "rule " + std::string(text) + " does not exist: " + ruleRange());
        return *rule;
    }

    std::vector<PathRules> readPaths(const toml::node& node) const {
        const toml::array* array = node.as_array();
        if (!array)
            fail(node.source(), "'paths' must be an array of tables, not " + typeName(node) +
                                    ": write [[paths]] before each entry");
        std::vector<PathRules> paths;
        for (const toml::node& element : *array) {
            const toml::table* table = element.as_table();
            if (!table)
                fail(element.source(), "'paths' must hold tables, not " + typeName(element) +
                                           ": write [[paths]] before each entry");
            paths.push_back(readPathRules(*table));
        }
        return paths;
    }

    PathRules readPathRules(const toml::table& table) const {
        std::optional<Glob> glob;
        std::optional<std::vector<std::int32_t>> off;
        for (const auto& [key, value] : inFileOrder(table)) {
            if (key->str() == "glob") {
                glob = readGlob("glob", *value);
            } else if (key->str() == "off") {
                off = readRuleList(*value);
            } else {
                fail(key->source(), "unknown key '" + std::string(key->str()) +
                                        "' in [[paths]]: the keys are glob and off");
            }
        }
        if (!glob)
            fail(table.source(), "a [[paths]] entry needs a 'glob' naming the files it is for");
        if (!off)
            fail(table.source(), "a [[paths]] entry needs an 'off' list of the rules it "
                                 "switches off");
        return PathRules{std::move(*glob), std::move(*off)};
    }

    std::vector<std::int32_t> readRuleList(const toml::node& node) const {
        const toml::array* array = node.as_array();
        if (!array)
            fail(node.source(), "'off' must be an array of rule numbers, not " + typeName(node) +
                                    ": off = [1037, 1038]");
        if (array->empty())
            fail(node.source(), "'off' is empty: list the rules to switch off");
        std::vector<std::int32_t> rules;
        for (const toml::node& element : *array) {
            const toml::value<std::int64_t>* number = element.as_integer();
            if (!number)
                fail(element.source(),
                     "'off' must hold rule numbers as integers, not " + typeName(element));
            const std::optional<std::size_t> rule = catalogueIndex(number->get());
            if (!rule)
                fail(element.source(),
                     "rule " + std::to_string(number->get()) + " does not exist: " + ruleRange());
            rules.push_back(ruleCatalogue()[*rule].number);
        }
        std::sort(rules.begin(), rules.end());
        rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
        return rules;
    }

    const std::string& fileName_;
};

std::optional<Level> RuleLevels::levelOf(std::int32_t rule) const {
    const std::optional<std::size_t> index = catalogueIndex(rule);
    return index ? levels_[*index] : std::nullopt;
}

std::vector<std::int32_t> RuleLevels::rulesOff() const {
    std::vector<std::int32_t> off;
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        if (!levels_[i])
            off.push_back(ruleCatalogue()[i].number);
    }
    return off;
}

ScanConfig::ScanConfig(std::string folder)
    : folder_(std::move(folder)), overrides_(ruleCatalogue().size()) {}

ScanConfig ScanConfig::parse(std::string_view text, const std::string& fileName) {
    return ConfigReader(fileName).read(text);
}

std::optional<std::optional<Level>> ScanConfig::ruleOverride(std::int32_t rule) const {
    const std::optional<std::size_t> index = catalogueIndex(rule);
    return index ? overrides_[*index] : std::nullopt;
}

bool ScanConfig::excludes(std::string_view relativePath, bool isFolder) const {
    return std::any_of(exclude_.begin(), exclude_.end(),
                       [&](const Glob& glob) { return glob.covers(relativePath, isFolder); });
}

bool ScanConfig::selects(std::string_view relativeFilePath) const {
    const bool included =
        include_.empty() || std::any_of(include_.begin(), include_.end(), [&](const Glob& glob) {
            return glob.covers(relativeFilePath, false);
        });
    return included && !excludes(relativeFilePath, false);
}

RuleLevels ScanConfig::levelsFor(std::string_view relativeFilePath) const {
    RuleLevels levels;
    const std::vector<RuleInfo>& catalogue = ruleCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        levels.levels_.push_back(overrides_[i] ? *overrides_[i] : catalogue[i].level);
    for (const PathRules& path : paths_) {
        if (path.glob.covers(relativeFilePath, false)) {
            for (const std::int32_t rule : path.off)
                levels.levels_[*catalogueIndex(rule)] = std::nullopt;
        }
    }
    return levels;
}

} // namespace scan::config
