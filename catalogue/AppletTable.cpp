#include "catalogue/AppletTable.h"

#include "catalogue/ActivationList.h"
#include "catalogue/FileNames.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

namespace {

constexpr std::pair<const char*, const char*> kBuiltIn[] = {
    {"Hardware", "SYSDM.CPL @1"},        {"Network", "NETCPL.CPL"},
    {"Passwords", "PASSWORD.CPL"},       {"Display", "DESK.CPL"},
    {"System", "SYSDM.CPL"},             {"Date/Time", "TIMEDATE.CPL"},
    {"Devices", "SRVMGR.CPL @2"},        {"Game Controllers", "JOY.CPL"},
    {"Services", "SRVMGR.CPL @1"},       {"Keyboard", "MAIN.CPL @1"},
    {"Sounds", "MMSYS.CPL @1"},          {"Regional Settings", "INTL.CPL"},
    {"Mouse", "MAIN.CPL"},               {"Multimedia", "MMSYS.CPL"},
    {"Modems", "MODEM.CPL"},             {"Network ", "NCPA.CPL"},
    {"Add/Remove Programs", "APPWIZ.CPL"}, {"Printers", "MAIN.CPL @2"},
    {"Fonts", "MAIN.CPL @3"},            {"Internet", "INETCPL.CPL"},
    {"Console", "CONSOLE.CPL"},          {"PCMCIA", "DEVAPPS.CPL @0"},
    {"SCSI", "DEVAPPS.CPL @1"},          {"Server", "SRVMGR.CPL"},
    {"USV", "UPS.CPL"},                  {"Ports", "PORTS.CPL"},
    {"Dial-Up Networking", "RASCPL.CPL"}, {"Band", "DEVAPPS.CPL @2"},
    {"Mail", "MLCFG32.CPL"},             {"ODBC", "ODBCCP32.CPL"},
    {"Telephony", "TELEPHON.CPL"},       {"Power Management", "POWERCFG.CPL"},
    {"Scanners", "STICPL.CPL"},
};

// The text up to and including the "C" of the first "CPL" ("SYSDM.CPL @1" ->
// "SYSDM.C", "NETCPL.CPL" -> "NETC"): the part that tells applet files apart.
std::string filePrefix(const std::string& upperName) {
    const auto at = upperName.find("CPL");
    return at == std::string::npos ? upperName : upperName.substr(0, at + 1);
}

}  // namespace

std::string appletFile(const std::string& argument) {
    const auto at = text::toUpperAscii(argument).find(".CPL");
    return at == std::string::npos ? argument : argument.substr(0, at + 4);
}

AppletTable::AppletTable() {
    for (const auto& [name, argument] : kBuiltIn) applets_.push_back({name, argument, true});
}

void AppletTable::ExtendAppletTable(CatalogueHost& host) {
    std::vector<std::string> builtInPrefixes;
    for (const auto& applet : applets_)
        if (applet.builtIn) builtInPrefixes.push_back(filePrefix(applet.argument));

    for (const auto& stored : host.controlPanelFiles()) {
        const std::string upper = text::toUpper(stored);
        const std::string prefix = filePrefix(upper);
        // A file is covered when its prefix lies within one built-in prefix; a
        // match across two neighbouring entries ("M.C" from "SYSDM.C" + "NETC")
        // would hide an applet that nothing else lists.
        bool covered = false;
        for (const auto& known : builtInPrefixes) covered = covered || known.find(prefix) != std::string::npos;
        if (covered) continue;
        const std::string name = baseName(upper);
        bool duplicate = false;
        for (const auto& applet : applets_) duplicate = duplicate || text::equalsIgnoreCase(applet.name, name);
        if (duplicate) continue;
        applets_.push_back({name, upper, false});
    }
}

std::vector<ListEntry> AppletTable::FillAppletList(CatalogueHost& host, SettingsAccess& settings,
                                                   const std::string& section, bool showDeactivated) const {
    std::vector<ListEntry> entries;
    const std::string systemDir = host.systemDir();
    for (const auto& applet : applets_) {
        const std::string file = systemDir + appletFile(applet.argument);
        if (!host.fileExists(file)) continue;
        const bool deactivated = isDeactivated(settings, section, applet.name);
        if (deactivated && !showDeactivated) continue;
        ListEntry entry;
        entry.key = applet.argument;
        entry.text = applet.name;
        entry.iconFile = file;
        entry.standardImage = 1;
        entry.ghosted = deactivated;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace vantix::catalogue
