#include "lsp/CodeActions.h"

#include "lsp/ConfigRuleEdit.h"
#include "lsp/FileUri.h"
#include "lsp/Params.h"
#include "lsp/TextPositions.h"
#include "products/quarvel/rule/RuleCatalogue.h"

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace lsp {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kQuickFix = "quickfix";

Json positionJson(Position position) {
    return {{"line", position.line}, {"character", position.character}};
}

/// The rule a diagnostic of quarvel's names, if it names one.
std::optional<std::int32_t> ruleOf(const Json& diagnostic) {
    if (!diagnostic.is_object() || diagnostic.value("source", Json()) != "quarvel")
        return std::nullopt;
    const Json code = diagnostic.value("code", Json());
    std::int64_t number = 0;
    if (code.is_number_integer()) {
        number = code.get<std::int64_t>();
    } else if (code.is_string()) {
        const std::string text = code.get<std::string>();
        if (text.empty() || text.size() > 9 ||
            text.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        number = std::stoll(text);
    } else {
        return std::nullopt;
    }
    if (!products::quarvel::rule::findRule(static_cast<std::int32_t>(number)) ||
        number != static_cast<std::int32_t>(number))
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

/// Whether the request's "only" lets quick fixes through.
bool wantsQuickFixes(const Json& context) {
    const auto only = context.find("only");
    if (only == context.end() || !only->is_array())
        return true;
    for (const Json& kind : *only) {
        if (!kind.is_string())
            continue;
        const std::string name = kind.get<std::string>();
        if (name.empty() || name == kQuickFix)
            return true;
    }
    return false;
}

std::optional<std::string> fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return text.str();
}

bool fileExists(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return static_cast<bool>(file);
}

Json action(const std::string& title, const Json& diagnostic, Json edit) {
    return {{"title", title},
            {"kind", kQuickFix},
            {"diagnostics", Json::array({diagnostic})},
            {"edit", std::move(edit)}};
}

} // namespace

Json CodeActions::actionsFor(const Json& request) const {
    Json actions = Json::array();
    const std::string uri = params::string(params::object(request, "textDocument"), "uri");
    const Json& context = params::object(request, "context");
    if (!capabilities_.codeActionLiterals || !wantsQuickFixes(context))
        return actions;
    const std::optional<AnalysisService::DocumentState> document = documents_.document(uri);
    if (!document)
        return actions;
    const Json& diagnostics = params::member(context, "diagnostics");
    if (!diagnostics.is_array())
        return actions;
    std::set<std::int32_t> offered;
    for (const Json& diagnostic : diagnostics) {
        const std::optional<std::int32_t> rule = ruleOf(diagnostic);
        if (!rule || !offered.insert(*rule).second)
            continue;
        actions.push_back(fileAction(uri, *document, *rule, diagnostic));
        if (std::optional<Json> configFix = configAction(uri, *rule, diagnostic))
            actions.push_back(std::move(*configFix));
    }
    return actions;
}

Json CodeActions::fileAction(const std::string& uri, const AnalysisService::DocumentState& document,
                             std::int32_t rule, const Json& diagnostic) const {
    const std::string_view text = document.text;
    const std::size_t firstBreak = text.find('\n');
    const bool crlf =
        firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    // A byte order mark stays the first character of the file.
    const Position top{0, text.substr(0, 3) == "\xEF\xBB\xBF" ? 1 : 0};
    const Json edit = {
        {"range", {{"start", positionJson(top)}, {"end", positionJson(top)}}},
        {"newText", "// quarvel disable(" + std::to_string(rule) + ")" + (crlf ? "\r\n" : "\n")}};
    return action("Switch rule " + std::to_string(rule) + " off for this file", diagnostic,
                  textEdit(uri, document.version, edit));
}

std::optional<Json> CodeActions::configAction(const std::string& uri, std::int32_t rule,
                                              const Json& diagnostic) const {
    const std::optional<std::string> path = pathOfUri(uri);
    if (!path)
        return std::nullopt;
    const Workspace::Place place = workspace_.placeOf(*path);
    if (!place.folder)
        return std::nullopt;
    const std::string configPath = configFileIn(place.folder->path);
    const std::string configUri = configFileIn(place.folder->uri);
    const std::string title = "Switch rule " + std::to_string(rule) + " off in " + kConfigFileName;
    if (const std::optional<std::string> text = fileText(configPath)) {
        const std::optional<ByteEdit> edit = ruleOffEdit(*text, rule);
        if (!edit)
            return std::nullopt;
        const LineIndex lines(*text);
        const Json textEditJson = {{"range",
                                    {{"start", positionJson(lines.positionOf(edit->start))},
                                     {"end", positionJson(lines.positionOf(edit->end))}}},
                                   {"newText", edit->text}};
        return action(title, diagnostic, textEdit(configUri, nullptr, textEditJson));
    }
    if (fileExists(configPath) || !capabilities_.documentChanges || !capabilities_.createFiles)
        return std::nullopt;
    const Json start = positionJson({0, 0});
    const Json content = {{"range", {{"start", start}, {"end", start}}},
                          {"newText", "[rules]\n" + std::to_string(rule) + " = \"off\"\n"}};
    return action(
        title, diagnostic,
        {{"documentChanges",
          Json::array(
              {{{"kind", "create"}, {"uri", configUri}, {"options", {{"ignoreIfExists", true}}}},
               {{"textDocument", {{"uri", configUri}, {"version", nullptr}}},
                {"edits", Json::array({content})}}})}});
}

Json CodeActions::textEdit(const std::string& uri, const Json& version, const Json& edit) const {
    if (capabilities_.documentChanges) {
        return {{"documentChanges",
                 Json::array({{{"textDocument", {{"uri", uri}, {"version", version}}},
                               {"edits", Json::array({edit})}}})}};
    }
    return {{"changes", {{uri, Json::array({edit})}}}};
}

} // namespace lsp
