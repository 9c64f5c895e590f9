#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/database/CatalogueFile.h"
#include "tests/support/ScratchDir.h"
#include "tests/tweaks/CatalogueFixture.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

// Copies of the whole default catalogue, damaged as disks and copies damage files.
class CatalogueDamage : public ::testing::Test {
protected:
    CatalogueDamage() { makeCatalogue(intact(), true); }
    fs::path intact() const { return dir / "intact.mde"; }

    // A copy whose page holding the root of `table` has its b-tree header overwritten.
    fs::path withPageOverwritten(const std::string& table) {
        std::int64_t page = 0, pageSize = 0;
        {
            auto db = Database::open(intact(), {.readOnly = true});
            page = db->scalar("SELECT rootpage FROM sqlite_master WHERE name = ?", {table})
                       ->toInteger();
            pageSize = db->scalar("PRAGMA page_size")->toInteger();
        }
        std::string bytes = ScratchDir::read(intact());
        for (std::int64_t i = (page - 1) * pageSize; i < (page - 1) * pageSize + 12; ++i)
            bytes[static_cast<std::size_t>(i)] = '\x7f';
        return copy("page-" + table + ".mde", bytes);
    }
    fs::path truncated(std::size_t size) {
        return copy("truncated-" + std::to_string(size) + ".mde",
                    ScratchDir::read(intact()).substr(0, size));
    }
    fs::path copy(const std::string& name, const std::string& bytes) {
        ScratchDir::write(dir / name, bytes);
        return dir / name;
    }
    static std::string diagnosedOpenError(const fs::path& file) {
        const std::string before = ScratchDir::read(file);
        std::string message = "opened";
        try {
            openCatalogueOrDiagnose(file);
        } catch (const DatabaseError& error) {
            message = error.what();
        }
        // The check only reads: no byte changes and no journal is left beside the file.
        EXPECT_EQ(ScratchDir::read(file), before) << file;
        EXPECT_FALSE(fs::exists(file.string() + "-journal")) << file;
        return message;
    }
    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    ScratchDir dir;
};

TEST_F(CatalogueDamage, AnIntactCatalogueOpensAndTheCheckFindsNothing) {
    EXPECT_FALSE(catalogueDamage(intact()).has_value());
    EXPECT_EQ(diagnosedOpenError(intact()), "opened");
}

TEST_F(CatalogueDamage, DamageTheOpenDoesNotReachIsFoundByTheCheckWithoutChangingTheFile) {
    const fs::path file = withPageOverwritten("BAR_CONTROL");
    const std::string before = ScratchDir::read(file);
    auto db = openCatalogue(file);  // the cheap open reads other pages
    EXPECT_THROW(db->scalar("SELECT max(CTRL_Name) FROM BAR_CONTROL"), DatabaseError);
    const auto damage = catalogueDamage(file);
    ASSERT_TRUE(damage.has_value());
    EXPECT_EQ(damage->code(), SQLITE_CORRUPT);
    EXPECT_TRUE(has(damage->what(), "database disk image is malformed: " + file.string()))
        << damage->what();
    EXPECT_TRUE(has(damage->what(), "Page ")) << damage->what();
    EXPECT_EQ(ScratchDir::read(file), before);
}

TEST_F(CatalogueDamage, AFailedOpenOfADamagedFileSaysWhatTheCheckFound) {
    // The engine's bare "malformed" gives way to the check's message, which names the file and the
    // page.
    const std::string access = diagnosedOpenError(withPageOverwritten("CATALOGUE_ACCESS"));
    EXPECT_TRUE(has(access, "database disk image is malformed: " +
                                (dir / "page-CATALOGUE_ACCESS.mde").string()))
        << access;
    EXPECT_TRUE(has(access, "Page ")) << access;
    EXPECT_FALSE(has(access, "\r")) << access;

    // Cut short inside the schema, and after the schema but before the tables' pages.
    for (const std::size_t size : {std::size_t{5000}, std::size_t{4 * 4096}}) {
        const fs::path file = truncated(size);
        const std::string message = diagnosedOpenError(file);
        EXPECT_TRUE(has(message, "malformed")) << size << ": " << message;
        EXPECT_TRUE(has(message, file.string())) << size << ": " << message;
    }
}

TEST_F(CatalogueDamage, AnIntactForeignOrNonDatabaseFileKeepsItsOneMessage) {
    Database::open(dir / "foreign.mde", {.create = true})
        ->executeScript("CREATE TABLE t (a); INSERT INTO t VALUES (1);");
    const std::string foreign = diagnosedOpenError(dir / "foreign.mde");
    EXPECT_TRUE(has(foreign, "not a Vantix catalogue")) << foreign;
    EXPECT_FALSE(has(foreign, "\r")) << foreign;

    const fs::path text = copy("text.mde", std::string(8192, 'Z'));
    const std::string notADatabase = diagnosedOpenError(text);
    EXPECT_EQ(notADatabase, "file is not a database: " + text.string());
    EXPECT_EQ(diagnosedOpenError(dir / "missing.mde"),
              "unable to open database file: " + (dir / "missing.mde").string());
    EXPECT_FALSE(fs::exists(dir / "missing.mde"));
}

TEST(CatalogueDamageMessage, TheChecksFindingReplacesAnEngineCorruptionAndFollowsAnyOtherError) {
    const DatabaseError damage(SQLITE_CORRUPT, "database disk image is malformed: /c.mde (Page 4)");
    const DatabaseError corrupt(SQLITE_CORRUPT, "database disk image is malformed");
    EXPECT_STREQ(withCatalogueDamage(corrupt, damage).what(), damage.what());

    const DatabaseError password(DatabaseError::kWrongPassword, "Not a valid password.");
    const DatabaseError both = withCatalogueDamage(password, damage);
    EXPECT_EQ(std::string(both.what()),
              "Not a valid password.\rdatabase disk image is malformed: /c.mde (Page 4)");
    EXPECT_EQ(both.code(), SQLITE_CORRUPT);

    EXPECT_STREQ(withCatalogueDamage(password, std::nullopt).what(), "Not a valid password.");
    EXPECT_EQ(withCatalogueDamage(password, std::nullopt).code(), DatabaseError::kWrongPassword);
}

}  // namespace
