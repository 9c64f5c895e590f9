#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/database/Database.h"

// A user's copy of the catalogue remembers the installed catalogue it came
// from: the folders and functions as they were installed (tables ORIGIN_FOLDERS
// and ORIGIN_ITEMS) and a stamp of the installed file. Against that origin a
// merge tells what the user changed from what the new installed catalogue changed.
namespace vantix::platform {

// What the header and the file system tell of an installed catalogue, without
// opening it: its user_version, and a stamp of version, size and modification
// time that changes whenever the file is built or installed anew. nullopt when
// the file cannot be read or is too short to be a database.
struct InstalledCatalogue {
    std::int64_t userVersion = 0;
    std::string stamp;
};
std::optional<InstalledCatalogue> inspectInstalled(const std::filesystem::path& installed);

// The stamp the copy was last made or merged from ("" for none).
std::string recordedStamp(Database& user);

// Records `user`'s own folders and functions as its origin, with `stamp`: for a
// fresh copy of an installed catalogue.
void recordOrigin(Database& user, const std::string& stamp);

// Takes the installed catalogue's functions and folders into the user's copy, in
// one transaction:
// - the sidebar (folders, groups, tools and utilities) stays the user's;
// - new folders and functions arrive (a new folder whose ID the user's copy has
//   used for a folder of its own gets a fresh one);
// - a name or place the user changed stays; one the user left takes the new
//   installed name or place;
// - a folder the user deleted stays deleted unless a new function arrives in it;
// - functions the installed catalogue no longer has are removed, with their
//   rows; the property rows and commands of every function are the installed ones;
// - the copy takes the installed user_version and password, and `stamp`.
void mergeCatalogue(Database& user, const std::filesystem::path& installed,
                    const std::string& stamp);

}  // namespace vantix::platform
