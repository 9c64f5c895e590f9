#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/database/Database.h"

// QUORVIA.MDE, the catalogue file beside the program: an SQLite database that
// carries our application id, a schema version and the password its connect
// string must name.
//
// Its user_version holds two numbers: the low 16 bits are the schema version,
// which a program must know to open the file at all; the bits above are the
// content revision, raised whenever a release adds or changes functions or
// folders, so that a user's copy knows when the installed catalogue is newer.
// A file of revision 0 reads exactly as the plain schema version.
namespace vantix::platform {

constexpr std::uint32_t kCatalogueApplicationId = 0x56544E58;  // "VTNX"
constexpr std::int64_t kCatalogueSchemaVersion = 1;
constexpr int kCatalogueRevisionShift = 16;
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

// The full check of `file` after an open or a read of it failed: the file is
// opened read-only on a connection of its own, so nothing in it changes (a
// hot journal is not rolled back). Returns the engine's error, naming the
// file, when the file is damaged or no database; nullopt when every page reads
// well or the check cannot run at all (a lock held, no permission).
std::optional<DatabaseError> catalogueDamage(const std::filesystem::path& file);

// The error to show for `failure`, a failed open or first read of a file,
// given what the full check of that file found: the check's error takes the
// place of an engine error of the same code (it names the file and the page)
// and is added on a line of its own to any other; `failure` stays as it is
// when the check passed or only repeats its message.
DatabaseError withCatalogueDamage(const DatabaseError& failure,
                                  const std::optional<DatabaseError>& damage);

// openCatalogue; when it fails, the full check of `file` is added to its error. The check
// runs only after a failed open: opening a good file costs what openCatalogue costs.
std::unique_ptr<Database> openCatalogueOrDiagnose(
    const std::filesystem::path& file, std::string_view connect = catalogueConnectString(),
    DatabaseOptions options = {});

// Marks a freshly built catalogue as ours: application id, schema version,
// content revision and the password of `connect`. Used by the build tool and by tests.
void stampCatalogue(Database& database, std::string_view connect = catalogueConnectString(),
                    std::int64_t revision = 0);

// The schema version and the content revision of an open catalogue's user_version.
std::int64_t catalogueSchemaVersion(Database& database);
std::int64_t catalogueRevision(Database& database);

}  // namespace vantix::platform
