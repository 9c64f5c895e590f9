#pragma once

#include <filesystem>
#include <string>

#include "platform/database/Database.h"

// The benchmarks' catalogue: 5,000 OPTION functions in ten topics with five
// subfolders each, each reading a DWORD below kBenchKey, with
// `commandsPerChoice` registry commands for each of its two choices.
namespace bench {

inline constexpr int kFunctions = 5000;
inline const std::string kBenchKey = "HKEY_CURRENT_USER\\Software\\Vantix Bench";

// The build folder: the benchmark runs from its bench/ subfolder.
inline std::filesystem::path buildDir() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// Replaces the hidden functions of `db` (a copy of the built catalogue, which
// gives the schema) with the generated ones.
inline void generateFunctions(vantix::platform::Database& db, int commandsPerChoice) {
    vantix::platform::Database::Transaction transaction(db);
    db.executeScript(
        "DELETE FROM HIDDEN_BEFEHLE; DELETE FROM HIDDEN_EIGENSCHAFT; DELETE FROM HIDDEN_ITEMS; "
        "DELETE FROM HIDDEN_FOLDERS;");
    int folder = 0;
    for (int top = 1; top <= 10; ++top) {
        db.execute("INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (?, ?, 0)",
                   {top, "Topic " + std::to_string(top)});
        for (int sub = 0; sub < 5; ++sub)
            db.execute("INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (?, ?, ?)",
                       {100 + ++folder, "Subtopic " + std::to_string(sub), top});
    }
    for (int id = 1; id <= kFunctions; ++id) {
        const std::string name = "Value" + std::to_string(id);
        db.execute("INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (?, ?, ?, 7)",
                   {id, 101 + id % 50, "Generated function " + std::to_string(id)});
        db.execute(
            "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Hilfe, "
            "MOM_Art, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard) "
            "VALUES (?, 'OPTION', 'On', 'Off', 'A generated function.', 'REG', ?, ?, 'D', '1', 1, "
            "2, '2')",
            {id, kBenchKey, name});
        for (const char* letter : {"A", "B"})
            for (int c = 0; c < commandsPerChoice; ++c)
                db.execute("INSERT INTO HIDDEN_BEFEHLE VALUES (?, ?, 'REGSET', '#', ?, ?, ?, 'D')",
                           {id, letter, kBenchKey, c == 0 ? name : name + "_" + std::to_string(c),
                            std::string(letter[0] == 'A' ? "1" : "0")});
    }
    transaction.commit();
}

}  // namespace bench
