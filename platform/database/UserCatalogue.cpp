#include "platform/database/UserCatalogue.h"

#include <unistd.h>

#include "platform/database/CatalogueFile.h"
#include "platform/database/CatalogueMerge.h"
#include "platform/log/Log.h"
#include "platform/paths/DataHome.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

DatabaseError copyError(const fs::path& user, const std::string& why) {
    return DatabaseError(DatabaseError::kNotACatalogue,
                         "cannot make the catalogue " + user.string() + ": " + why);
}

// A whole copy of `installed`, checked and stamped with its origin before it
// takes the place of `user`, so that no half-made copy is ever opened.
void copyInstalled(const fs::path& installed, const fs::path& user, const std::string& stamp) {
    openCatalogue(installed, catalogueConnectString(), {.readOnly = true});
    std::error_code error;
    fs::create_directories(user.parent_path(), error);
    if (error) throw copyError(user, error.message());
    fs::path temporary = user;
    temporary += ".copying-" + std::to_string(::getpid());
    fs::copy_file(installed, temporary, fs::copy_options::overwrite_existing, error);
    if (error) throw copyError(user, error.message());
    // The installed file may be read-only for everybody; the copy is its owner's to change.
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, error);
    try {
        auto db = Database::open(temporary);
        Database::Transaction transaction(*db);
        recordOrigin(*db, stamp);
        transaction.commit();
    } catch (...) {
        fs::remove(temporary, error);
        throw;
    }
    fs::rename(temporary, user, error);
    if (error) {
        fs::remove(temporary, error);
        throw copyError(user, error.message());
    }
}

// A copy of another schema cannot be opened by this program: it is kept aside
// under a name of its own, and a new copy takes its place.
void setAside(const fs::path& user, std::int64_t schema) {
    fs::path aside = user;
    aside += ".schema-" + std::to_string(schema);
    std::error_code error;
    fs::rename(user, aside, error);
    if (error) throw copyError(user, error.message());
    log::warning("catalogue", "the copy of schema version " + std::to_string(schema) +
                                  " was kept as " + aside.string());
}

}  // namespace

void prepareUserCatalogue(const fs::path& installed, const fs::path& user) {
    const auto inspected = inspectInstalled(installed);
    std::error_code error;
    if (!fs::exists(user, error)) {
        if (!inspected)
            throw DatabaseError(DatabaseError::kNotACatalogue,
                                "cannot read the installed catalogue " + installed.string());
        copyInstalled(installed, user, inspected->stamp);
        return;
    }
    if (!inspected) return;  // the copy is used as it is
    const std::int64_t mask = (std::int64_t{1} << kCatalogueRevisionShift) - 1;
    if ((inspected->userVersion & mask) != kCatalogueSchemaVersion) return;
    std::unique_ptr<Database> db;
    try {
        db = Database::open(user);
        const std::int64_t schema = catalogueSchemaVersion(*db);
        if (schema != kCatalogueSchemaVersion) {
            db.reset();
            setAside(user, schema);
            copyInstalled(installed, user, inspected->stamp);
            return;
        }
        if (recordedStamp(*db) == inspected->stamp) return;
        // An older installed catalogue (a downgrade) never overwrites a newer copy.
        if ((inspected->userVersion >> kCatalogueRevisionShift) < catalogueRevision(*db)) return;
        openCatalogue(installed, catalogueConnectString(), {.readOnly = true});
        mergeCatalogue(*db, installed, inspected->stamp);
    } catch (const DatabaseError& failure) {
        // The user's copy keeps working; opening it reports what is wrong with it.
        log::warning("catalogue", "not merged into " + user.string() + ": " + failure.what());
    }
}

fs::path userCatalogue(const fs::path& installed) {
    const auto data = userDataDir();
    if (!data)
        throw DatabaseError(DatabaseError::kNotACatalogue,
                            "neither XDG_DATA_HOME nor HOME is set: no place for the catalogue");
    const fs::path user = *data / std::string(kCatalogueFileName);
    prepareUserCatalogue(installed, user);
    return user;
}

std::unique_ptr<Database> openUserCatalogue(const fs::path& installed) {
    fs::path user;
    try {
        user = userCatalogue(installed);
    } catch (const DatabaseError& failure) {
        // No copy could be made from the installed file: that is the one to check.
        throw withCatalogueDamage(failure, catalogueDamage(installed));
    }
    return openCatalogueOrDiagnose(user);
}

}  // namespace vantix::platform
