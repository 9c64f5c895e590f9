#include "tweaks/FunctionFilter.h"

#include <sstream>

#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "platform/text/Text.h"
#include "tweaks/TweakSession.h"

namespace vantix::tweaks {

std::map<std::int64_t, std::string> loadHelpTexts(platform::Database& database) {
    std::map<std::int64_t, std::string> texts;
    for (auto rows = database.openRecordset("select * from HIDDEN_EIGENSCHAFT"); !rows->eof();
         rows->moveNext())
        texts.try_emplace(rows->integer("ITEM_ID"), rows->text("Hilfe"));
    return texts;
}

FunctionFilter::FunctionFilter(const std::string& typed) {
    std::istringstream in(text::foldCase(typed));
    for (std::string word; in >> word;) words_.push_back(word);
}

bool FunctionFilter::matches(const std::string& name, const std::string& help) const {
    const std::string foldedName = text::foldCase(name);
    const std::string foldedHelp = text::foldCase(help);
    for (const auto& word : words_)
        if (foldedName.find(word) == std::string::npos &&
            foldedHelp.find(word) == std::string::npos)
            return false;
    return true;
}

std::set<std::string> FunctionFilter::visibleKeys(
    const std::vector<HiddenNode>& nodes,
    const std::map<std::int64_t, std::string>& helpTexts) const {
    std::set<std::string> visible;
    std::map<std::string, std::string> parentOf;
    for (const auto& node : nodes) {
        parentOf[node.key] = node.tag;
        if (empty()) visible.insert(node.key);
    }
    if (empty()) return visible;
    for (const auto& node : nodes) {
        if (nodeKindOf(node.key) != NodeKind::Function) continue;
        const auto help = helpTexts.find(keyId(node.key));
        if (!matches(node.text, help == helpTexts.end() ? std::string() : help->second)) continue;
        for (std::string key = node.key; !key.empty() && visible.insert(key).second;
             key = parentOf[key]) {
        }
    }
    return visible;
}

std::set<std::int64_t> functionsChangedElsewhere(TweakSession& session) {
    std::set<std::int64_t> changed;
    for (const auto& [itemId, entry] : session.journal().lastOfEach()) {
        try {
            const OpenedFunction function = session.open(itemId);
            if (session.drift(function, session.state(function), entry) == Drift::ChangedElsewhere)
                changed.insert(itemId);
        } catch (const std::exception& error) {
            log::debug("tweaks.drift", "function " + std::to_string(itemId) + ": " + error.what());
        }
    }
    return changed;
}

}  // namespace vantix::tweaks
