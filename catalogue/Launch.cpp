#include "catalogue/Launch.h"

#include "catalogue/CatalogueKeys.h"
#include "catalogue/Utilities.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

std::string appletCommandLine(const std::string& entryKey) { return kControlPanelRunner + entryKey; }

std::string moduleCommandLine(const std::string& programDir, const std::string& entryKey) {
    return "\"" + programDir + "Module\\" + entryKey + "\"/START";
}

bool LaunchObject(platform::Database& database, CatalogueHost& host, ProgramStarter& starter,
                  const std::string& mode, const std::string& entryKey, const std::string& programDir) {
    if (entryKey.empty()) return false;
    if (mode == "SYST") return starter.runCommandLine(appletCommandLine(entryKey));
    if (mode == "TOOL") return starter.runCommandLine(moduleCommandLine(programDir, entryKey));
    if (mode != "UTIL") return false;
    const auto utility = findUtility(database, leadingNumber(entryKey));
    if (!utility || utility->file.empty() || !host.fileExists(utility->file)) return false;
    return starter.shellExecute(utility->file, std::string(text::trim(utility->parameter)),
                                std::string(text::trim(utility->workPath)), utility->style);
}

}  // namespace vantix::catalogue
