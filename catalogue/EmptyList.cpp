#include "catalogue/EmptyList.h"

namespace vantix::catalogue {

std::string emptyListText(const std::string& mode, const std::string& systemDir,
                          bool allDeactivated) {
    if (mode != "SYST" && mode != "TOOL" && mode != "UTIL") return {};
    if (allDeactivated && mode != "UTIL")
        return "Every object of this group is deactivated. \"Show/hide deactivated objects\" shows "
               "them "
               "again.";
    if (mode == "SYST") {
        std::string folder = systemDir;
        while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
        return "No Control Panel applets in " + folder +
               " of this machine image. Wine puts its applets there when the image is a Wine "
               "prefix: "
               "create one with Wine installed (vantix-cli machine create DIR --wine) or start "
               "Vantix "
               "with --machine on a Wine prefix.";
    }
    if (mode == "TOOL")
        return "No modules registered on this machine image. A module registers when it runs once "
               "with "
               "/INIT; creating an image runs every module program of the Module folder that way.";
    return "No tools in this group, or their files are gone. Add programs with \"New Program...\" "
           "in "
           "this list's pop-up menu or by dropping their files here.";
}

}  // namespace vantix::catalogue
