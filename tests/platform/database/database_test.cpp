#include <gtest/gtest.h>

#include "../../support/ScratchDir.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/database/Scramble.h"

using namespace vantix::platform;

namespace {

std::unique_ptr<Database> createFolders(const std::filesystem::path& file) {
    auto db = Database::open(file, {.create = true});
    db->executeScript(
        "CREATE TABLE HIDDEN_FOLDERS (ID INTEGER PRIMARY KEY AUTOINCREMENT, FolderName TEXT, "
        "UF_FID INTEGER);"
        "INSERT INTO HIDDEN_FOLDERS (FolderName, UF_FID) VALUES ('Explorer', 0), ('Desktop', 0), "
        "('Icons', 1);"
        "CREATE TABLE HIDDEN_BEFEHLE (ITEM_ID INTEGER, Kennung TEXT, SET_Wert TEXT);"
        "INSERT INTO HIDDEN_BEFEHLE VALUES (7, 'A', '1'), (7, 'B', '0'), (8, 'A', 'x');");
    return db;
}

std::vector<std::string> names(Recordset& rs, std::string_view field) {
    std::vector<std::string> result;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) result.push_back(rs.text(field));
    return result;
}

}  // namespace

TEST(Recordset, StatementsOfTheCatalogueRunAsWrittenWithTypedFieldsByName) {
    ScratchDir dir;
    auto db = createFolders(dir / "c.mde");
    auto rs = db->openRecordset("select * from HIDDEN_FOLDERS Where UF_FID <> 0");
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->text("foldername"), "Icons");  // field names ignore case
    EXPECT_EQ(rs->integer("UF_FID"), 1);
    EXPECT_EQ(rs->text("ID"), "3");
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_THROW(rs->text("FolderName"), DatabaseError);
    EXPECT_THROW(db->openRecordset("HIDDEN_FOLDERS")->text("NoSuchField"), DatabaseError);
    EXPECT_EQ(names(*db->openRecordset("HIDDEN_FOLDERS"), "FolderName"),
              (std::vector<std::string>{"Explorer", "Desktop", "Icons"}));
}

TEST(Recordset, AddNewThenLastModifiedGivesTheNewIdAndEditPersists) {
    ScratchDir dir;
    {
        auto db = createFolders(dir / "c.mde");
        auto rs = db->openRecordset("HIDDEN_FOLDERS");
        rs->addNew();
        rs->set("FolderName", "New Folder");
        rs->set("UF_FID", 0);
        rs->update();
        rs->moveToLastModified();
        EXPECT_EQ(rs->integer("ID"), 4);
        EXPECT_EQ(rs->text("FolderName"), "New Folder");

        auto one = db->openRecordset("select * from HIDDEN_FOLDERS Where ID = 2");
        one->edit();
        one->set("FolderName", "Desktop and Start menu");
        EXPECT_EQ(one->text("FolderName"), "Desktop and Start menu");  // the edit buffer
        one->update();
        EXPECT_EQ(one->text("FolderName"), "Desktop and Start menu");
    }
    auto db = Database::open(dir / "c.mde");
    EXPECT_EQ(
        names(*db->openRecordset("HIDDEN_FOLDERS"), "FolderName"),
        (std::vector<std::string>{"Explorer", "Desktop and Start menu", "Icons", "New Folder"}));
}

TEST(Recordset, DeleteThenMoveNextWalksEveryRowOfTablesWithoutKey) {
    ScratchDir dir;
    auto db = createFolders(dir / "c.mde");
    auto rs = db->openRecordset("select * from HIDDEN_BEFEHLE Where ITEM_ID = 7");
    int deleted = 0;
    while (!rs->eof()) {
        rs->remove();
        EXPECT_THROW(rs->text("Kennung"), DatabaseError);  // no current row after a delete
        rs->moveNext();
        ++deleted;
    }
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(names(*db->openRecordset("HIDDEN_BEFEHLE"), "SET_Wert"),
              (std::vector<std::string>{"x"}));
}

TEST(Recordset, ParametersAreBoundNeverPasted) {
    ScratchDir dir;
    auto db = createFolders(dir / "c.mde");
    const std::string hostile = "x'); DROP TABLE HIDDEN_FOLDERS; --";
    db->execute("INSERT INTO HIDDEN_FOLDERS (FolderName, UF_FID) VALUES (?, ?)", {hostile, 0});
    auto rs = db->openRecordset("select * from HIDDEN_FOLDERS Where FolderName = ?", {hostile});
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->text("FolderName"), hostile);
    EXPECT_THROW(db->execute("SELECT ?", {}), DatabaseError);  // parameter count checked
}

TEST(Recordset, OtherStatementsAreReadOnly) {
    ScratchDir dir;
    auto db = createFolders(dir / "c.mde");
    auto joined = db->openRecordset(
        "select * from HIDDEN_FOLDERS join HIDDEN_BEFEHLE on HIDDEN_BEFEHLE.ITEM_ID = "
        "HIDDEN_FOLDERS.ID + 6");
    EXPECT_FALSE(joined->updatable());
    EXPECT_EQ(joined->recordCount(), 3u);
    auto rs = db->openRecordset("SELECT count(*) AS n FROM HIDDEN_FOLDERS");
    EXPECT_EQ(rs->integer("n"), 3);
    EXPECT_FALSE(rs->updatable());
    EXPECT_THROW(rs->edit(), DatabaseError);
    EXPECT_THROW(rs->addNew(), DatabaseError);
}

TEST(Recordset, RefusedUpdateKeepsTheOldRow) {
    ScratchDir dir;
    auto db = Database::open(dir / "c.mde", {.create = true});
    db->executeScript(
        "CREATE TABLE T (ID INTEGER PRIMARY KEY, Name TEXT NOT NULL); INSERT INTO T VALUES (1, "
        "'a');");
    auto rs = db->openRecordset("T");
    rs->edit();
    rs->set("Name", nullptr);
    EXPECT_THROW(rs->update(), DatabaseError);
    rs->cancelUpdate();
    EXPECT_EQ(rs->text("Name"), "a");
    EXPECT_EQ(db->scalar("SELECT Name FROM T")->toText(), "a");
}

TEST(Scramble, IsItsOwnInverseAndHidesTheConnectString) {
    for (std::string text : {std::string(), std::string("QVPW"), std::string("\x01\xff\x5a", 3)}) {
        EXPECT_EQ(Scramble(Scramble(text)), text);
        if (!text.empty()) {
            EXPECT_NE(Scramble(text), text);
        }
    }
    // Every storable password character scrambles to printable ASCII: nothing is cut at a NUL.
    for (int c = 0x20; c < 0x7F; ++c) {
        const auto scrambled = static_cast<unsigned char>(Scramble(std::string(1, static_cast<char>(c)))[0]);
        EXPECT_GE(scrambled, 0x20) << c;
        EXPECT_LT(scrambled, 0x80) << c;
    }
    const std::string connect = catalogueConnectString();
    EXPECT_EQ(connect.size(), 11u);
    EXPECT_EQ(connect.rfind(";PWD=", 0), 0u);
}

class CatalogueOpen : public ::testing::Test {
protected:
    std::filesystem::path makeCatalogue() {
        auto db = Database::open(dir / "QUORVIA.MDE", {.create = true});
        db->executeScript("CREATE TABLE BAR_FOLDER (ID INTEGER PRIMARY KEY, FLDR_Name TEXT);");
        stampCatalogue(*db);
        return dir / "QUORVIA.MDE";
    }
    std::string openError(const std::filesystem::path& file,
                          std::string_view connect = catalogueConnectString()) {
        try {
            openCatalogue(file, connect);
        } catch (const DatabaseError& error) {
            return error.what();
        }
        return "opened";
    }
    ScratchDir dir;
};

TEST_F(CatalogueOpen, OurCatalogueOpensSharedByTwoConnections) {
    const auto file = makeCatalogue();
    auto first = openCatalogue(file);
    auto second = openCatalogue(file);
    first->execute("INSERT INTO BAR_FOLDER (FLDR_Name) VALUES ('Windows')");
    EXPECT_EQ(second->scalar("SELECT FLDR_Name FROM BAR_FOLDER")->toText(), "Windows");
}

TEST_F(CatalogueOpen, EveryBadFileFailsWithTheEnginesMessage) {
    EXPECT_NE(openError(dir / "missing.mde").find("unable to open database file"),
              std::string::npos);

    ScratchDir::write(dir / "text.mde", std::string(4096, 'x'));
    EXPECT_NE(openError(dir / "text.mde").find("file is not a database"), std::string::npos);

    Database::open(dir / "foreign.mde", {.create = true})->executeScript("CREATE TABLE t (a);");
    EXPECT_NE(openError(dir / "foreign.mde").find("not a Vantix catalogue"), std::string::npos);

    const auto file = makeCatalogue();
    EXPECT_EQ(openError(file, ";PWD=guess"), "Not a valid password.");
    EXPECT_NE(openError(file, ";UID=admin").find("Invalid connect string"), std::string::npos);
    EXPECT_EQ(openError(file), "opened");

    Database::open(file)->execute("PRAGMA user_version = 99");
    EXPECT_NE(openError(file).find("schema version 99"), std::string::npos);
}

TEST_F(CatalogueOpen, DamagedPagesAreFoundAtOpen) {
    const auto file = makeCatalogue();
    {
        auto db = Database::open(file);
        db->executeScript("CREATE TABLE filler (x TEXT); CREATE INDEX filler_x ON filler (x);");
        for (int i = 0; i < 300; ++i)
            db->execute("INSERT INTO filler VALUES (?)", {std::string(100, 'a' + i % 26)});
    }
    std::string bytes = ScratchDir::read(file);
    ASSERT_GT(bytes.size(), 4 * 4096u);
    // Overwrite the b-tree header of the third page: the file header stays readable.
    for (std::size_t i = 2 * 4096; i < 2 * 4096 + 12; ++i) bytes[i] = '\x7f';
    ScratchDir::write(file, bytes);
    const std::string message = openError(file);
    EXPECT_NE(message, "opened");
    EXPECT_NE(message.find("malformed"), std::string::npos) << message;
}

TEST_F(CatalogueOpen, OpeningReadsLittleAndTheFullCheckFindsDamageAnywhere) {
    const auto file = makeCatalogue();
    {
        auto db = Database::open(file);
        db->executeScript("CREATE TABLE filler (x TEXT);");
        for (int i = 0; i < 300; ++i)
            db->execute("INSERT INTO filler VALUES (?)", {std::string(100, 'a' + i % 26)});
    }
    checkCatalogue(*openCatalogue(file), file);  // intact: passes
    std::string bytes = ScratchDir::read(file);
    const std::size_t pages = bytes.size() / 4096;
    ASSERT_GT(pages, 6u);
    // A leaf page of the filler table, which opening never reads.
    const std::size_t page = pages - 2;
    for (std::size_t i = page * 4096; i < page * 4096 + 12; ++i) bytes[i] = '\x7f';
    ScratchDir::write(file, bytes);
    auto db = openCatalogue(file);
    EXPECT_THROW(db->scalar("SELECT count(*) FROM filler WHERE x = 'q'"), DatabaseError);
    try {
        checkCatalogue(*db, file);
        ADD_FAILURE() << "the damaged page was not found";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("malformed"), std::string::npos) << error.what();
    }
}
