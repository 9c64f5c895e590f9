#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"

// Catalogues for the tests, made from the SQL text of data/catalogue in a
// scratch folder: the schema alone, or the whole default catalogue.
inline std::filesystem::path catalogueSourceDir() {
    return std::filesystem::path(VANTIX_TEST_DATA) / ".." / ".." / "data" / "catalogue";
}

inline std::string readSql(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::unique_ptr<vantix::platform::Database> makeCatalogue(const std::filesystem::path& file,
                                                                 bool withDefaultContent) {
    auto db = vantix::platform::Database::open(file, {.create = true});
    const auto source = catalogueSourceDir();
    db->executeScript(readSql(source / "schema.sql"));
    if (withDefaultContent) {
        db->executeScript(readSql(source / "sidebar.sql"));
        std::vector<std::filesystem::path> scripts;
        for (const auto& entry : std::filesystem::directory_iterator(source / "functions"))
            if (entry.path().extension() == ".sql") scripts.push_back(entry.path());
        std::sort(scripts.begin(), scripts.end());
        for (const auto& script : scripts) db->executeScript(readSql(script));
    }
    vantix::platform::stampCatalogue(*db);
    return db;
}
