#include "shell/FirstStart.h"

namespace vantix::shell {
namespace {

// The folder without its trailing separator, as the work folder is given.
std::string withoutSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder.substr(0, folder.size() - 1);
    return folder;
}

UtilityRow program(const std::string& name, const std::string& folder, const std::string& file) {
    return {name, folder + file, withoutSeparator(folder), folder + file};
}

}  // namespace

std::vector<UtilityRow> firstStartUtilities(std::int32_t winVersion, const std::string& appDir,
                                            const std::string& systemDir, const std::string& windowsDir) {
    // The database folder sits below the program folder; write the separator
    // the program folder uses, so that a host path stays a host path.
    const char separator = (!appDir.empty() && appDir.back() == '/') ? '/' : '\\';
    const std::string databaseFolder = appDir + "DATABASE";
    const std::string databaseProgram = databaseFolder + separator + "DATABASE.EXE";
    std::vector<UtilityRow> rows{{"Reorg", databaseProgram, databaseFolder, databaseProgram}};

    if (winVersion == 1) {
        for (const char* entry : {"NT Diagnostics|WINMSD.EXE", "HD Manager|WINDISK.EXE", "Task Manager|TASKMGR.EXE",
                                  "Emergency Disk|RDISK.EXE", "Monitor|PERFMON.EXE", "NT Backup|NTBACKUP.EXE",
                                  "Users|MUSRMGR.EXE"}) {
            std::string text = entry;
            auto bar = text.find('|');
            rows.push_back(program(text.substr(0, bar), systemDir, text.substr(bar + 1)));
        }
        UtilityRow watson = program("Dr. Watson", systemDir, "DRWTSN32.EXE");
        watson.IconFile = systemDir + "DRWATSON.EXE";
        rows.push_back(watson);
        return rows;
    }
    for (const char* entry : {"Defrag|DEFRAG.EXE", "ScanDisk|SCANDSKW.EXE", "Calculator|CALC.EXE",
                              "Character Map|CHARMAP.EXE", "Task Manager|TASKMAN.EXE", "Editor|NOTEPAD.EXE",
                              "Explorer|EXPLORER.EXE"}) {
        std::string text = entry;
        auto bar = text.find('|');
        rows.push_back(program(text.substr(0, bar), windowsDir, text.substr(bar + 1)));
    }
    if (winVersion == 3) {
        rows.push_back(program("Maintenance", windowsDir, "TUNEUP.EXE"));
        rows.push_back(program("CheckRegistry", windowsDir, "SCANREGW.EXE"));
    }
    return rows;
}

}  // namespace vantix::shell
