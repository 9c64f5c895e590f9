#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/database/Database.h"

// QUORVIA.MDE, the catalogue file beside the program: an SQLite database that
// carries our application id, a schema version and the password its connect
// string must name.
namespace vantix::platform {

constexpr std::uint32_t kCatalogueApplicationId = 0x56544E58;  // "VTNX"
constexpr std::int64_t kCatalogueSchemaVersion = 1;
constexpr std::string_view kCatalogueFileName = "QUORVIA.MDE";

// The connect string (";PWD=..."), built from its scrambled form just before use.
std::string catalogueConnectString();

// Opens the catalogue shared and read-write (or read-only). Throws DatabaseError
// with the engine's message when the file is missing, is not a database, is
// damaged where opening reads, is another program's database, has another
// schema version, or the connect string names another password.
std::unique_ptr<Database> openCatalogue(const std::filesystem::path& file,
                                        std::string_view connect = catalogueConnectString(),
                                        DatabaseOptions options = {});

// Every page of an open catalogue read and checked (slow on a large file):
// throws DatabaseError with the engine's message for a damaged file. Opening
// checks only the header, the schema and the access row.
void checkCatalogue(Database& database, const std::filesystem::path& file);

// Marks a freshly built catalogue as ours: application id, schema version and
// the password of `connect`. Used by the build tool and by tests.
void stampCatalogue(Database& database, std::string_view connect = catalogueConnectString());

}  // namespace vantix::platform
