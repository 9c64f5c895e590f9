// Build tool: turns the SQL text of this folder into QUORVIA.MDE.
//   catalogue-build [--revision N] OUTPUT.MDE SCRIPT.sql...
// The scripts run in the order given inside one transaction; the result is
// stamped as a Vantix catalogue and checked, then moved over OUTPUT, so a
// failed build never leaves a half-written catalogue behind.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"

namespace fs = std::filesystem;
using namespace vantix::platform;

namespace {

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Rules the engine relies on and SQL constraints cannot say.
void checkContent(Database& db) {
    const struct {
        const char* what;
        const char* sql;
    } rules[] = {
        {"functions without a property row",
         "SELECT count(*) FROM HIDDEN_ITEMS i WHERE NOT EXISTS "
         "(SELECT 1 FROM HIDDEN_EIGENSCHAFT e WHERE e.ITEM_ID = i.ID)"},
        {"functions with more than one property row",
         "SELECT count(*) FROM (SELECT ITEM_ID FROM HIDDEN_EIGENSCHAFT GROUP BY ITEM_ID HAVING "
         "count(*) > 1)"},
        {"functions in a missing folder",
         "SELECT count(*) FROM HIDDEN_ITEMS i WHERE NOT EXISTS (SELECT 1 FROM HIDDEN_FOLDERS f "
         "WHERE f.ID = i.Folder_ID)"},
        {"subfolders below a subfolder or a missing folder",
         "SELECT count(*) FROM HIDDEN_FOLDERS s WHERE s.UF_FID <> 0 AND NOT EXISTS "
         "(SELECT 1 FROM HIDDEN_FOLDERS t WHERE t.ID = s.UF_FID AND t.UF_FID = 0)"},
        {"commands or property rows of missing functions",
         "SELECT (SELECT count(*) FROM HIDDEN_BEFEHLE b WHERE NOT EXISTS (SELECT 1 FROM "
         "HIDDEN_ITEMS i WHERE i.ID = b.ITEM_ID))"
         " + (SELECT count(*) FROM HIDDEN_EIGENSCHAFT e WHERE NOT EXISTS (SELECT 1 FROM "
         "HIDDEN_ITEMS i WHERE i.ID = e.ITEM_ID))"},
        {"property rows with an unknown presentation or option number",
         "SELECT count(*) FROM HIDDEN_EIGENSCHAFT WHERE TYP NOT IN ('OPTION', 'SLIDER', 'TEXT') "
         "OR (TYP = 'OPTION' AND (Dann NOT IN (1, 2) OR Sonst NOT IN (1, 2) OR Standard NOT IN "
         "('1', '2'))) "
         "OR (TYP = 'SLIDER' AND SliderMin > SliderMax) OR Neustart NOT IN (0, 1, 2)"},
        {"commands with an unknown choice or kind",
         "SELECT count(*) FROM HIDDEN_BEFEHLE WHERE Kennung NOT IN ('A', 'B') "
         "OR SET_Art NOT IN ('REGSET', 'REGDEL', 'INISET', 'INIDEL')"},
        {"groups in a missing folder",
         "SELECT count(*) FROM BAR_CONTROL c WHERE NOT EXISTS (SELECT 1 FROM BAR_FOLDER f WHERE "
         "f.ID = c.BAR_ID)"},
    };
    for (const auto& rule : rules) {
        const auto count = db.scalar(rule.sql);
        if (count && count->toInteger() != 0)
            throw std::runtime_error(std::to_string(count->toInteger()) + " " + rule.what);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::int64_t revision = 0;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--revision") {
        try {
            revision = std::stoll(argv[2]);
        } catch (const std::exception&) {
            revision = -1;
        }
        first = 3;
    }
    if (argc - first < 2 || revision < 0) {
        std::fprintf(stderr, "usage: %s [--revision N] OUTPUT.MDE SCRIPT.sql...\n", argv[0]);
        return 2;
    }
    const fs::path output = argv[first];
    fs::path temporary = output;
    temporary += ".building";
    try {
        fs::remove(temporary);
        {
            auto db = Database::open(temporary, {.create = true});
            Database::Transaction transaction(*db);
            for (int i = first + 1; i < argc; ++i) {
                try {
                    db->executeScript(readText(argv[i]));
                } catch (const DatabaseError& error) {
                    throw std::runtime_error(std::string(argv[i]) + ": " + error.what());
                }
            }
            checkContent(*db);
            stampCatalogue(*db, catalogueConnectString(), revision);
            transaction.commit();
            db->executeScript("VACUUM;");
        }
        openCatalogue(temporary);  // what the shell will do at start-up
        fs::rename(temporary, output);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "catalogue-build: %s\n", error.what());
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return 1;
    }
    return 0;
}
