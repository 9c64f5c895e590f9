#include "platform/database/CatalogueFile.h"

#include <sqlite3.h>

#include "platform/database/Scramble.h"
#include "platform/log/Log.h"
#include "platform/text/Text.h"

namespace vantix::platform {

namespace {

// The connect string is never held whole in the program file.
constexpr char kScrambledConnect[] = "\x24\x4F\x48\x5B\x22\x4E\x69\x26\x27\x52\x67";

// The password of a connect string ";PWD=secret[;...]"; the keys compare
// without regard to case. Other keys are refused: nothing else is understood.
std::string passwordOf(std::string_view connect) {
    std::string password;
    while (!connect.empty()) {
        const std::size_t end = connect.find(';');
        std::string_view part = connect.substr(0, end);
        connect = end == std::string_view::npos ? std::string_view() : connect.substr(end + 1);
        if (text::trim(part).empty()) continue;
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos ||
            !text::equalsIgnoreCase(text::trim(part.substr(0, equals)), "PWD"))
            throw DatabaseError(DatabaseError::kBadConnectString,
                                "Invalid connect string: " + std::string(part));
        password = std::string(part.substr(equals + 1));
    }
    return password;
}

}  // namespace

std::string catalogueConnectString() {
    return Scramble(std::string_view(kScrambledConnect, 11));
}

std::unique_ptr<Database> openCatalogue(const std::filesystem::path& file, std::string_view connect,
                                        DatabaseOptions options) {
    const std::string password = passwordOf(connect);
    options.create = false;
    auto database = Database::open(file, options);
    const auto application = database->scalar("PRAGMA application_id");
    if (!application ||
        static_cast<std::uint32_t>(application->toInteger()) != kCatalogueApplicationId)
        throw DatabaseError(
            DatabaseError::kNotACatalogue,
            "Unrecognized database format '" + file.string() + "': not a Vantix catalogue.");
    const std::int64_t version = catalogueSchemaVersion(*database);
    if (version != kCatalogueSchemaVersion)
        throw DatabaseError(DatabaseError::kWrongSchemaVersion,
                            "Unrecognized database format '" + file.string() +
                                "': catalogue schema version " + std::to_string(version) +
                                ", expected " + std::to_string(kCatalogueSchemaVersion) + ".");
    // The full integrity check reads every page: it is left to checkCatalogue.
    // A damaged page still fails here when the schema or the access row is hit.
    const auto stored = database->scalar("SELECT Pwd FROM CATALOGUE_ACCESS");
    if (!stored || stored->toText() != password)
        throw DatabaseError(DatabaseError::kWrongPassword, "Not a valid password.");
    return database;
}

void checkCatalogue(Database& database, const std::filesystem::path& file) {
    const auto check = database.scalar("PRAGMA integrity_check(1)");
    if (!check || check->toText() != "ok")
        throw DatabaseError(SQLITE_CORRUPT, "database disk image is malformed: " + file.string() +
                                                (check ? " (" + check->toText() + ")" : ""));
}

std::optional<DatabaseError> catalogueDamage(const std::filesystem::path& file) {
    try {
        auto database = Database::open(file, {.readOnly = true});
        checkCatalogue(*database, file);
    } catch (const DatabaseError& error) {
        // A check that cannot run (a lock held, no permission) finds nothing about the file.
        if (error.code() != SQLITE_CORRUPT && error.code() != SQLITE_NOTADB) {
            log::debug("database", "no full check of " + file.string() + ": " + error.what());
            return std::nullopt;
        }
        // A file too damaged for the check's own statements: say which file it was.
        const std::string message = error.what();
        if (message.find(file.string()) != std::string::npos) return error;
        return DatabaseError(error.code(), message + ": " + file.string());
    }
    return std::nullopt;
}

DatabaseError withCatalogueDamage(const DatabaseError& failure,
                                  const std::optional<DatabaseError>& damage) {
    const std::string shown = failure.what();
    if (!damage || shown.find(damage->what()) != std::string::npos) return failure;
    // The same finding of the engine, now with the file (and the page) named.
    if (failure.code() == damage->code()) return *damage;
    return DatabaseError(damage->code(), shown + "\r" + damage->what());
}

std::unique_ptr<Database> openCatalogueOrDiagnose(const std::filesystem::path& file,
                                                  std::string_view connect,
                                                  DatabaseOptions options) {
    try {
        return openCatalogue(file, connect, options);
    } catch (const DatabaseError& failure) {
        throw withCatalogueDamage(failure, catalogueDamage(file));
    }
}

std::int64_t catalogueSchemaVersion(Database& database) {
    const auto version = database.scalar("PRAGMA user_version");
    return version ? (version->toInteger() & ((1 << kCatalogueRevisionShift) - 1)) : 0;
}

std::int64_t catalogueRevision(Database& database) {
    const auto version = database.scalar("PRAGMA user_version");
    return version ? (version->toInteger() >> kCatalogueRevisionShift) : 0;
}

void stampCatalogue(Database& database, std::string_view connect, std::int64_t revision) {
    if (revision < 0 || revision >= (std::int64_t{1} << (31 - kCatalogueRevisionShift)))
        throw DatabaseError(DatabaseError::kWrongSchemaVersion,
                            "catalogue revision out of range: " + std::to_string(revision));
    const std::string password = passwordOf(connect);
    database.executeScript(
        "CREATE TABLE IF NOT EXISTS CATALOGUE_ACCESS (Pwd TEXT NOT NULL); "
        "DELETE FROM CATALOGUE_ACCESS;");
    database.execute("INSERT INTO CATALOGUE_ACCESS (Pwd) VALUES (?)", {DbValue(password)});
    database.executeScript(
        "PRAGMA application_id = " +
        std::to_string(static_cast<std::int32_t>(kCatalogueApplicationId)) +
        "; PRAGMA user_version = " +
        std::to_string((revision << kCatalogueRevisionShift) | kCatalogueSchemaVersion) + ";");
}

}  // namespace vantix::platform
