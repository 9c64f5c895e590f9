#include "catalogue/ToolForm.h"

#include <algorithm>

#include "catalogue/CatalogueKeys.h"
#include "catalogue/FileNames.h"
#include "catalogue/Messages.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

std::optional<std::string> validateTool(CatalogueHost& host, const ToolInput& input) {
    if (input.name.empty()) return msg::kNameMissing;
    if (isWholeNumber(input.name)) return msg::kNameNumeric;
    if (!host.fileExists(input.file) || !host.fileExecutable(input.file)) return msg::kFileNotExecutable;
    return std::nullopt;
}

Utility toolValues(CatalogueHost& host, const ToolInput& input) {
    Utility values;
    values.name = input.name;
    values.file = input.file;
    values.iconFile = !input.iconFile.empty() && host.fileExists(input.iconFile) && host.fileIcon(input.iconFile)
                          ? input.iconFile
                          : input.file;
    values.workPath = input.workDir.empty() ? folderOf(input.file) : input.workDir;
    values.parameter = input.parameters.empty() ? " " : input.parameters;
    values.style = 1 + std::clamp(input.windowOption, 0, 2);
    return values;
}

std::optional<ToolInput> toolInputFor(platform::Database& database, std::int64_t id, const std::string& name) {
    const auto utility = findUtility(database, id);
    if (!utility) return std::nullopt;
    ToolInput input;
    input.name = name;
    input.file = utility->file;
    input.parameters = std::string(text::trim(utility->parameter));
    input.workDir = utility->workPath;
    input.iconFile = utility->iconFile;
    input.windowOption = std::clamp(utility->style - 1, 0, 2);
    return input;
}

std::optional<ListEntry> applyToolEdit(platform::Database& database, CatalogueHost& host, std::int64_t id,
                                       const ToolInput& input) {
    const auto values = toolValues(host, input);
    if (!UpdateUtility(database, id, values.name, values.workPath, values.iconFile, values.parameter, values.style))
        return std::nullopt;
    const auto stored = findUtility(database, id);
    if (!stored) return std::nullopt;
    return utilityEntry(*stored);
}

CaptionVerdict renameCaption(platform::Database& database, Prompter& prompter, const std::string& mode,
                             const std::string& entryKey, const std::string& newText) {
    if (characterCount(newText) >= 31) {
        prompter.message(MessageIcon::Information, msg::kCaptionTooLongTitle, msg::kCaptionTooLong);
        return CaptionVerdict::TooLong;
    }
    if (newText.empty() || isWholeNumber(newText)) return CaptionVerdict::Refused;
    if (mode == "UTIL") {
        const std::string name = firstCharacters(newText, 30);
        return UpdateUtility(database, leadingNumber(entryKey), name, "", "", "", 0) ? CaptionVerdict::Accepted
                                                                                     : CaptionVerdict::Refused;
    }
    return mode == "TOOL" ? CaptionVerdict::Accepted : CaptionVerdict::Refused;
}

std::size_t removeSelectedTools(platform::Database& database, Prompter& prompter, bool confirm,
                                std::vector<ListEntry>& entries) {
    bool anySelected = false;
    for (const auto& entry : entries) anySelected = anySelected || entry.selected;
    if (!anySelected) return 0;
    if (confirm && !prompter.askYesNo(msg::kRemoveTitle, msg::kRemoveQuestion)) return 0;
    std::size_t deleted = 0;
    platform::Database::Transaction transaction(database);
    for (const auto& entry : entries)
        if (entry.selected && DeleteUtility(database, leadingNumber(entry.key))) ++deleted;
    transaction.commit();
    std::erase_if(entries, [](const ListEntry& entry) { return entry.selected; });
    return deleted;
}

}  // namespace vantix::catalogue
