#pragma once

#include <filesystem>
#include <memory>

#include "platform/database/Database.h"

// The catalogue is the user's own arrangement (folders, groups, tools, renamed
// functions), while the program folder may belong to root and is never
// written. Each user therefore works on a copy in the user's data folder: made
// from the installed QUORVIA.MDE on first use, and merged with it whenever an
// installed catalogue of a newer revision (or the same revision built anew)
// appears.
namespace vantix::platform {

// Makes `user` ready to open: copies `installed` there when it is missing,
// merges `installed` into it when it is newer (see CatalogueMerge.h), and
// leaves it alone otherwise (also when the installed file is of an older
// revision). Throws DatabaseError when the installed file is no readable
// catalogue and there is no copy yet, or when the copy cannot be written; a
// copy that exists is then used as it is.
void prepareUserCatalogue(const std::filesystem::path& installed,
                          const std::filesystem::path& user);

// The user's copy of the installed catalogue file `installed` (the program
// folder's QUORVIA.MDE), made ready with prepareUserCatalogue:
// $XDG_DATA_HOME/vantix/QUORVIA.MDE. Throws DatabaseError.
std::filesystem::path userCatalogue(const std::filesystem::path& installed);

// The user's copy of `installed`, made ready and opened (openCatalogue). When
// that fails, the file that failed (the copy, or the installed file when no
// copy could be made) is checked in full and the error says what the check
// found (see withCatalogueDamage). Throws DatabaseError.
std::unique_ptr<Database> openUserCatalogue(const std::filesystem::path& installed);

}  // namespace vantix::platform
