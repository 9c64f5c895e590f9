#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/ObjectList.h"
#include "catalogue/Prompter.h"
#include "catalogue/Utilities.h"
#include "platform/database/Database.h"

// The rules of the tool dialog (Form4), of caption editing in a list and of
// removing tools; the windows only turn controls into these calls.
namespace vantix::catalogue {

struct ToolInput {
    std::string name;
    std::string file;
    std::string parameters;
    std::string workDir;
    std::string iconFile;
    int windowOption = 0;  // 0 normal, 1 minimised, 2 maximised
};

// The first failing check's message ("You must enter a name!", "Names cannot
// contain numbers!", "File not found or not executable!"), or nullopt.
std::optional<std::string> validateTool(CatalogueHost& host, const ToolInput& input);

// The values to store for valid input: the icon file when it exists and has an
// icon, else the program; the file's folder when no working folder is given;
// " " for no parameters; style 1 + the window option.
Utility toolValues(CatalogueHost& host, const ToolInput& input);

// The dialog preset for editing an existing tool; nullopt when the row is gone.
std::optional<ToolInput> toolInputFor(platform::Database& database, std::int64_t id, const std::string& name);

// Applies an edited tool: writes the row and returns its refreshed list entry.
std::optional<ListEntry> applyToolEdit(platform::Database& database, CatalogueHost& host, std::int64_t id,
                                       const ToolInput& input);

enum class CaptionVerdict { Accepted, TooLong, Refused };

// Caption edited in place in the list of a group of `mode`. TooLong shows
// " Max 30 characters for icon descriptions " under "Description too long";
// Refused (empty, a number, or a Mode without editable captions) shows nothing.
// For "UTIL" an accepted caption is written as UtilName; "TOOL" captions are
// the module list's to write.
CaptionVerdict renameCaption(platform::Database& database, Prompter& prompter, const std::string& mode,
                             const std::string& entryKey, const std::string& newText);

// Removes the selected tools of `entries` (asking first when `confirm`), rows
// and entries alike. Returns how many rows were deleted.
std::size_t removeSelectedTools(platform::Database& database, Prompter& prompter, bool confirm,
                                std::vector<ListEntry>& entries);

}  // namespace vantix::catalogue
