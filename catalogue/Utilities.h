#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/ObjectList.h"
#include "platform/database/Database.h"

// The tools and utilities of UTIL groups: rows of LIST_UTILITI owned by a
// group through CTRL_ID. Database failures throw platform::DatabaseError.
namespace vantix::catalogue {

struct Utility {
    std::int64_t id = 0;
    std::int64_t groupId = 0;
    std::string name;       // UtilName
    std::string file;       // Datei; never changes once the tool exists
    std::string workPath;   // WorkPath
    std::string iconFile;   // IconFile
    std::string parameter;  // Parameter; " " for none
    int style = 1;          // Stil: 1 normal, 2 minimised, 3 maximised
};

// Standard images for a tool whose icon cannot be drawn.
inline constexpr int kProgramImage = 2;
inline constexpr int kBatchImage = 3;
int standardImageFor(const std::string& file);

// The group's rows in stored order.
std::vector<Utility> groupUtilities(platform::Database& database, std::int64_t groupId);
std::optional<Utility> findUtility(platform::Database& database, std::int64_t id);

// The list of a UTIL group: key "<ID>U", text UtilName; tools whose file is gone are left out.
std::vector<ListEntry> FillUtilityList(platform::Database& database, CatalogueHost& host, std::int64_t groupId);
ListEntry utilityEntry(const Utility& utility);

// Inserts a tool; nullopt (nothing written) when the file is not executable.
std::optional<std::int64_t> AddUtility(platform::Database& database, CatalogueHost& host, std::int64_t groupId,
                                       const std::string& name, const std::string& file,
                                       const std::string& workPath, const std::string& iconFile,
                                       const std::string& parameter, int style);

// Writes the non-empty texts and a non-zero style; the file stays. False when the row is missing.
bool UpdateUtility(platform::Database& database, std::int64_t id, const std::string& name,
                   const std::string& workPath, const std::string& iconFile, const std::string& parameter,
                   int style);

bool DeleteUtility(platform::Database& database, std::int64_t id);
// Returns the number of rows deleted.
std::int64_t DeleteGroupUtilities(platform::Database& database, std::int64_t groupId);

// One field by code: "DATEI", "WORK", "ICON", "PARAM" (trimmed), "STIL";
// "" for no row, a NULL field or any other code.
std::string GetUtilityField(platform::Database& database, std::int64_t id, const std::string& code);

// Adds the dropped files that are executable, named after the file, working in
// its folder, with parameters " " and style 1. Returns the new IDs.
std::vector<std::int64_t> AddDroppedFiles(platform::Database& database, CatalogueHost& host, std::int64_t groupId,
                                          const std::vector<std::string>& files);

}  // namespace vantix::catalogue
