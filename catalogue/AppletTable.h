#pragma once

#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/ObjectList.h"
#include "catalogue/SettingsAccess.h"

// The Control Panel applets: a built-in table of the common ones, extended at
// start-up by the further *.CPL files of the system folder.
namespace vantix::catalogue {

struct Applet {
    std::string name;      // display name, unique in the table
    std::string argument;  // for the Control Panel runner: "FILE.CPL" or "FILE.CPL @n"
    bool builtIn = true;
};

// The applet's file: the argument up to and including the first ".CPL".
std::string appletFile(const std::string& argument);

class AppletTable {
public:
    AppletTable();  // the built-in entries
    // Adds every *.CPL of the system folder not covered by a built-in entry.
    void ExtendAppletTable(CatalogueHost& host);
    const std::vector<Applet>& applets() const { return applets_; }

    // The list of an SYST group: applets whose file exists, without those
    // deactivated in `section` unless `showDeactivated` (then greyed).
    std::vector<ListEntry> FillAppletList(CatalogueHost& host, SettingsAccess& settings, const std::string& section,
                                          bool showDeactivated) const;

private:
    std::vector<Applet> applets_;
};

}  // namespace vantix::catalogue
