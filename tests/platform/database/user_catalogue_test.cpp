#include "platform/database/UserCatalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/database/CatalogueFile.h"
#include "platform/database/CatalogueMerge.h"
#include "tests/support/ScratchDir.h"
#include "tests/tweaks/CatalogueFixture.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The default catalogue of this source tree, as a release installs it (read-only
// for everybody), of `revision`.
void install(const fs::path& file, std::int64_t revision, const std::string& changes = "") {
    fs::remove(file);
    {
        auto db = makeCatalogue(file, true);
        if (!changes.empty()) db->executeScript(changes);
        stampCatalogue(*db, catalogueConnectString(), revision);
    }
    ::chmod(file.c_str(), 0444);
}

std::string text(Database& db, const std::string& sql) {
    const auto value = db.scalar(sql);
    return value ? value->toText() : "<none>";
}

std::int64_t number(Database& db, const std::string& sql) {
    const auto value = db.scalar(sql);
    return value ? value->toInteger() : -1;
}

class UserCatalogue : public ::testing::Test {
protected:
    fs::path installed() const { return program / "QUORVIA.MDE"; }
    fs::path user() const { return data / "vantix" / "QUORVIA.MDE"; }
    std::unique_ptr<Database> openUser() {
        prepareUserCatalogue(installed(), user());
        return openCatalogue(user());
    }

    ScratchDir program;
    ScratchDir data;
};

TEST_F(UserCatalogue, FirstUseCopiesAndTheProgramFolderStaysAsItWas) {
    install(installed(), 1);
    const std::string before = bytesOf(installed());
    ::chmod(program.path().c_str(), 0555);

    auto db = openUser();
    db->execute(
        "INSERT INTO BAR_CONTROL (BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (3, 9, 'Mine', "
        "'UTIL')");
    db.reset();
    prepareUserCatalogue(installed(), user());  // the same installed file: nothing to do

    EXPECT_EQ(bytesOf(installed()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(program.path()), fs::directory_iterator()), 1);
    auto again = openCatalogue(user());
    EXPECT_EQ(number(*again, "SELECT count(*) FROM BAR_CONTROL WHERE CTRL_Name = 'Mine'"), 1);
    EXPECT_EQ(catalogueRevision(*again), 1);
    EXPECT_EQ(fs::status(user()).permissions() & fs::perms::owner_write, fs::perms::owner_write);
    ::chmod(program.path().c_str(), 0755);
}

TEST_F(UserCatalogue, NewerInstalledArrivesAndTheUsersArrangementStays) {
    install(installed(), 1);
    std::string mine;  // the ID of the user's own folder
    {
        auto db = openUser();
        // What a user does in the shell: a group with a tool, a renamed function
        // and folder, a function moved, a folder of their own.
        db->execute(
            "INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (500, 3, 9, "
            "'Mine', 'UTIL')");
        db->execute(
            "INSERT INTO LIST_UTILITI (CTRL_ID, UtilName, Datei) VALUES (500, 'Editor', "
            "'C:\\WINDOWS\\NOTEPAD.EXE')");
        db->execute("UPDATE HIDDEN_ITEMS SET ItemName = 'My extensions' WHERE ID = 101");
        db->execute("UPDATE HIDDEN_FOLDERS SET FolderName = 'My Explorer' WHERE ID = 1");
        db->execute("UPDATE HIDDEN_ITEMS SET Folder_ID = 11 WHERE ID = 102");
        db->execute("INSERT INTO HIDDEN_FOLDERS (FolderName, UF_FID) VALUES ('My folder', 0)");
        mine = std::to_string(number(*db, "SELECT max(ID) FROM HIDDEN_FOLDERS"));
        db->execute("UPDATE HIDDEN_ITEMS SET Folder_ID = " + mine + " WHERE ID = 103");
    }
    // The next release: a new folder that happens to take the same ID, with a new
    // function, names changed upstream, a command changed and a function dropped.
    install(
        installed(), 2,
        "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (" + mine +
            ", 'Printing', 0);"
            "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9001, " +
            mine +
            ", 'Spooler', 7);"
            "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP) VALUES (9001, 'OPTION');"
            "INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art) VALUES (9001, 'A', 'REGSET');"
            "UPDATE HIDDEN_ITEMS SET ItemName = 'Extensions (new name)' WHERE ID = 101;"
            "UPDATE HIDDEN_ITEMS SET ItemName = 'Full path (new name)' WHERE ID = 103;"
            "UPDATE HIDDEN_FOLDERS SET FolderName = 'Windows and effects' WHERE ID = 11;"
            "UPDATE HIDDEN_BEFEHLE SET SET_Wert = 'changed upstream' WHERE ITEM_ID = 104;"
            "DELETE FROM HIDDEN_BEFEHLE WHERE ITEM_ID = 105; DELETE FROM HIDDEN_EIGENSCHAFT WHERE "
            "ITEM_ID = 105;"
            "DELETE FROM HIDDEN_ITEMS WHERE ID = 105;");

    auto db = openUser();
    EXPECT_EQ(catalogueRevision(*db), 2);
    // The user's own things.
    EXPECT_EQ(text(*db, "SELECT CTRL_Name FROM BAR_CONTROL WHERE ID = 500"), "Mine");
    EXPECT_EQ(text(*db, "SELECT UtilName FROM LIST_UTILITI WHERE CTRL_ID = 500"), "Editor");
    EXPECT_EQ(text(*db, "SELECT ItemName FROM HIDDEN_ITEMS WHERE ID = 101"), "My extensions");
    EXPECT_EQ(text(*db, "SELECT FolderName FROM HIDDEN_FOLDERS WHERE ID = 1"), "My Explorer");
    EXPECT_EQ(number(*db, "SELECT Folder_ID FROM HIDDEN_ITEMS WHERE ID = 102"), 11);
    EXPECT_EQ(text(*db, "SELECT FolderName FROM HIDDEN_FOLDERS WHERE ID = " + mine), "My folder");
    EXPECT_EQ(number(*db, "SELECT Folder_ID FROM HIDDEN_ITEMS WHERE ID = 103"), std::stoll(mine));
    // What the release brought.
    EXPECT_EQ(text(*db, "SELECT ItemName FROM HIDDEN_ITEMS WHERE ID = 103"),
              "Full path (new name)");
    EXPECT_EQ(text(*db, "SELECT FolderName FROM HIDDEN_FOLDERS WHERE ID = 11"),
              "Windows and effects");
    const std::int64_t printing =
        number(*db, "SELECT ID FROM HIDDEN_FOLDERS WHERE FolderName = 'Printing'");
    EXPECT_NE(printing, std::stoll(mine));
    EXPECT_EQ(number(*db, "SELECT Folder_ID FROM HIDDEN_ITEMS WHERE ID = 9001"), printing);
    EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_BEFEHLE WHERE ITEM_ID = 9001"), 1);
    EXPECT_EQ(number(*db,
                     "SELECT count(*) FROM HIDDEN_BEFEHLE WHERE ITEM_ID = 104 AND SET_Wert = "
                     "'changed upstream'"),
              number(*db, "SELECT count(*) FROM HIDDEN_BEFEHLE WHERE ITEM_ID = 104"));
    EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_ITEMS WHERE ID = 105"), 0);
    EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_EIGENSCHAFT WHERE ITEM_ID = 105"), 0);
    // Every function has exactly its one property row, as a fresh catalogue.
    EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_ITEMS"),
              number(*db, "SELECT count(*) FROM HIDDEN_EIGENSCHAFT"));
    db.reset();

    // A later release adds to the same new folder: it goes to 'Printing' again,
    // never into the user's folder of that ID.
    install(installed(), 3,
            "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (" + mine +
                ", 'Printing', 0);"
                "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9001, " +
                mine +
                ", 'Spooler', 7);"
                "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9002, " +
                mine +
                ", 'Separator page', 7);"
                "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP) VALUES (9001, 'OPTION'), (9002, "
                "'OPTION');");
    auto later = openUser();
    EXPECT_EQ(number(*later, "SELECT Folder_ID FROM HIDDEN_ITEMS WHERE ID = 9002"), printing);
    EXPECT_EQ(number(*later, "SELECT count(*) FROM HIDDEN_FOLDERS WHERE FolderName = 'Printing'"),
              1);
    EXPECT_EQ(text(*later, "SELECT ItemName FROM HIDDEN_ITEMS WHERE ID = 101"), "My extensions");
}

TEST_F(UserCatalogue, DeletedFolderStaysDeletedAndOlderInstalledChangesNothing) {
    install(installed(), 2);
    {
        auto db = openUser();
        // Folder 71 holds Windows NT functions only: on a Windows 98 image it can be deleted.
        db->execute("DELETE FROM HIDDEN_FOLDERS WHERE ID = 71");
    }
    install(installed(), 3,
            "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9003, 70, 'New "
            "MSDOS.SYS option', 6);"
            "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP) VALUES (9003, 'OPTION');");
    {
        auto db = openUser();
        EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_FOLDERS WHERE ID = 71"), 0);
        EXPECT_EQ(number(*db, "SELECT Folder_ID FROM HIDDEN_ITEMS WHERE ID = 9003"), 70);
        db->execute("UPDATE HIDDEN_ITEMS SET ItemName = 'Kept' WHERE ID = 101");
    }
    // A downgrade to an older release leaves the newer copy as it is.
    install(installed(), 1);
    auto db = openUser();
    EXPECT_EQ(catalogueRevision(*db), 3);
    EXPECT_EQ(number(*db, "SELECT count(*) FROM HIDDEN_ITEMS WHERE ID = 9003"), 1);
    EXPECT_EQ(text(*db, "SELECT ItemName FROM HIDDEN_ITEMS WHERE ID = 101"), "Kept");
}

TEST_F(UserCatalogue, BadInstalledFileFailsOnlyWithoutACopy) {
    ScratchDir::write(installed(), std::string(8192, 'Z'));
    EXPECT_THROW(prepareUserCatalogue(installed(), user()), DatabaseError);
    EXPECT_FALSE(fs::exists(user()));

    install(installed(), 1);
    auto db = openUser();
    db->execute("UPDATE HIDDEN_ITEMS SET ItemName = 'Kept' WHERE ID = 101");
    db.reset();
    fs::remove(installed());  // installed read-only
    ScratchDir::write(installed(), std::string(8192, 'Z'));
    db = openUser();
    EXPECT_EQ(text(*db, "SELECT ItemName FROM HIDDEN_ITEMS WHERE ID = 101"), "Kept");
}

TEST_F(UserCatalogue, CopyOfAnotherSchemaIsKeptAsideAndReplaced) {
    install(installed(), 1);
    openUser()->execute("PRAGMA user_version = 2");
    auto db = openUser();
    EXPECT_EQ(catalogueSchemaVersion(*db), kCatalogueSchemaVersion);
    EXPECT_TRUE(fs::exists(data / "vantix" / "QUORVIA.MDE.schema-2"));
}

TEST(CatalogueVersion, RevisionSitsAboveTheSchemaVersion) {
    ScratchDir dir;
    auto db = makeCatalogue(dir / "c.mde", false);
    stampCatalogue(*db, catalogueConnectString(), 5);
    EXPECT_EQ(number(*db, "PRAGMA user_version"),
              (5 << kCatalogueRevisionShift) | kCatalogueSchemaVersion);
    EXPECT_EQ(catalogueRevision(*db), 5);
    db.reset();
    EXPECT_NO_THROW(openCatalogue(dir / "c.mde"));
    const auto inspected = inspectInstalled(dir / "c.mde");
    ASSERT_TRUE(inspected);
    EXPECT_EQ(inspected->userVersion, (5 << kCatalogueRevisionShift) | kCatalogueSchemaVersion);
    EXPECT_FALSE(inspectInstalled(dir / "missing.mde"));
}

}  // namespace

TEST_F(UserCatalogue, AFailedOpenNamesTheFileThatFailedWithWhatTheFullCheckFound) {
    const char* home = std::getenv("XDG_DATA_HOME");
    const std::string saved = home ? home : "";
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);  // openUserCatalogue's copy is user()
    install(installed(), 1);
    ASSERT_NE(openUserCatalogue(installed()), nullptr);
    const std::string whole = bytesOf(installed());
    auto openError = [this] {
        try {
            openUserCatalogue(installed());
        } catch (const DatabaseError& error) {
            return std::string(error.what());
        }
        return std::string("opened");
    };
    // The copy cut short: the copy is checked.
    { std::ofstream(user(), std::ios::binary | std::ios::trunc) << whole.substr(0, 5000); }
    EXPECT_EQ(openError(), "database disk image is malformed: " + user().string());
    // No copy and the installed file cut short: the installed file is checked.
    fs::remove(user());
    fs::remove(installed());
    { std::ofstream(installed(), std::ios::binary) << whole.substr(0, 5000); }
    EXPECT_EQ(openError(), "database disk image is malformed: " + installed().string());
    EXPECT_FALSE(fs::exists(user()));
    if (home)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}
