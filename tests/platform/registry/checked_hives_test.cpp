#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "platform/registry/CheckedHives.h"
#include "platform/registry/Registry.h"
#include "tests/platform/registry/RegistryTestSupport.h"

using namespace vantix::platform;
using namespace vantix::platform::reg;
namespace fs = std::filesystem;

namespace {

// A hive the size worth a record: groups of keys in save order, each with a
// string, a dword and hex data.
std::string bigHive(int keys = 4000) {
    std::string text(kHeader);
    text += "\n#arch=win32\n";
    char line[256];
    for (int i = 0; i < keys; ++i) {
        std::snprintf(
            line, sizeof line,
            "\n[Software\\\\Vantix\\\\Group%02d\\\\Key%04d] 1700000000\n#time=1d8e5a1b2c3d4e5\n"
            "\"Path\"=\"C:\\\\WINDOWS\\\\file%d.dll\"\n\"Flags\"=dword:%08x\n"
            "\"Data\"=hex:01,02,03,04\n",
            i / 100, i, i, i * 7);
        text += line;
    }
    return text;
}

std::uint32_t dwordOf(const std::optional<RegValue>& value) {
    std::uint32_t number = 0;
    if (value && value->data.size() == 4) std::memcpy(&number, value->data.data(), 4);
    return number;
}

std::string keyName(int i) {
    char name[64];
    std::snprintf(name, sizeof name, "Software\\Vantix\\Group%02d\\Key%04d", i / 100, i);
    return name;
}

// Points the user's cache at a scratch folder for the test's time.
class RecordedChecks : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CACHE_HOME");
        if (old) oldCache_ = old;
        ::setenv("XDG_CACHE_HOME", (cache_ / "cache").c_str(), 1);
    }
    void TearDown() override {
        if (oldCache_)
            ::setenv("XDG_CACHE_HOME", oldCache_->c_str(), 1);
        else
            ::unsetenv("XDG_CACHE_HOME");
    }

    std::vector<fs::path> records() const {
        std::vector<fs::path> found;
        std::error_code ignored;
        for (const auto& entry :
             fs::directory_iterator(cache_ / "cache" / "vantix" / "hive-headers", ignored))
            found.push_back(entry.path());
        return found;
    }
    // The one record of the test; empty when there is none or more.
    fs::path record() const {
        const auto all = records();
        return all.size() == 1 ? all.front() : fs::path();
    }

    // The image's system.reg, a big hive, read once so that its record is made.
    void recordBigHive() {
        text_ = bigHive();
        hive_ = image_ / "system.reg";
        ScratchDir::write(hive_, text_);
        ASSERT_TRUE(quickCheckHiveRecorded(hive_, text_, headers_));
        made_ = record();
        ASSERT_FALSE(made_.empty());
        good_ = ScratchDir::read(made_);
    }
    std::string text_;
    fs::path hive_;
    HeaderPositions headers_;
    fs::path made_;     // its record
    std::string good_;  // the record's bytes

    ScratchDir cache_;
    ScratchDir image_;

private:
    std::optional<std::string> oldCache_;
};

// Identity of a file's last write: a read that used its record leaves it as it was.
std::string writeStamp(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    return std::to_string(st.st_ino) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

void expectSameHeaders(const HeaderPositions& got, const HeaderPositions& want) {
    EXPECT_EQ(got.starts, want.starts);
    EXPECT_EQ(got.shared, want.shared);
    if (want.inSaveOrder) {  // a save may know more
        EXPECT_EQ(got.inSaveOrder, want.inSaveOrder);
    }
}

// A record's bytes with their sum made right again.
std::string resummed(std::string bytes) {
    const std::uint64_t sum = XXH3_64bits(bytes.data(), bytes.size() - 8);
    std::memcpy(bytes.data() + bytes.size() - 8, &sum, 8);
    return bytes;
}

HeaderPositions checked(const std::string& text) {
    HeaderPositions headers;
    EXPECT_TRUE(quickCheckHive(text, &headers));
    return headers;
}

}  // namespace

TEST_F(RecordedChecks, AReadRecordsTheCheckAndLaterReadsOfTheSameBytesUseIt) {
    const std::string text = bigHive();
    ScratchDir::write(image_ / "system.reg", text);
    EXPECT_EQ(Registry(image_.path()).getValue(Root::LocalMachine, keyName(1234), "Path")->text(),
              "C:\\WINDOWS\\file1234.dll");
    const fs::path made = record();
    ASSERT_FALSE(made.empty());
    const std::string stamp = writeStamp(made);

    // Other processes' reads: the same answers from the record, which stays as it was.
    for (int i : {0, 1234, 3999})
        EXPECT_EQ(
            dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, keyName(i), "Flags")),
            static_cast<std::uint32_t>(i * 7));
    HeaderPositions recalled;
    ASSERT_TRUE(quickCheckHiveRecorded(image_ / "system.reg", text, recalled));
    expectSameHeaders(recalled, checked(text));
    EXPECT_EQ(writeStamp(made), stamp);
}

TEST_F(RecordedChecks, ARecordNeverStandsForChangedBytes) {
    const std::string text = bigHive();
    ScratchDir::write(image_ / "system.reg", text);
    ASSERT_TRUE(Registry(image_.path()).getValue(Root::LocalMachine, keyName(7), "Path"));
    ASSERT_FALSE(record().empty());

    // A valid change of the same length is read, not the old value.
    std::string changed = text;
    const std::size_t flags = changed.find("dword:", changed.find("Key2000"));
    changed.replace(flags, 14, "dword:0000abcd");
    ScratchDir::write(image_ / "system.reg", changed);
    EXPECT_EQ(dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, keyName(2000), "Flags")),
              0xabcdu);

    // A fault of the same length fails every lookup with the reader's message,
    // as it does where no record was ever made.
    std::string corrupt = text;
    corrupt.replace(corrupt.find("hex:01,02,03,04", corrupt.find("Key3000")), 15,
                    "hex:01,02,zz,04");
    ScratchDir::write(image_ / "system.reg", corrupt);
    Registry recorded(image_.path());
    EXPECT_FALSE(recorded.getValue(Root::LocalMachine, keyName(7), "Path"));
    std::error_code ignored;
    fs::remove_all(cache_ / "cache", ignored);
    Registry unrecorded(image_.path());
    EXPECT_FALSE(unrecorded.getValue(Root::LocalMachine, keyName(7), "Path"));
    EXPECT_NE(recorded.lastError().find("bad hex data"), std::string::npos) << recorded.lastError();
    EXPECT_EQ(recorded.lastError(), unrecorded.lastError());
    EXPECT_TRUE(records().empty());  // a text that fails is never recorded
}

TEST_F(RecordedChecks, DamagedOrForeignRecordsAreIgnoredAndReplaced) {
    ASSERT_NO_FATAL_FAILURE(recordBigHive());

    // A record whose sum is right but whose starts point past the text, or
    // into the middle of a line, must not be used either.
    auto withStart = [&](std::size_t h, std::uint32_t start) {
        std::string bytes = good_;
        std::memcpy(bytes.data() + 48 + h * 4, &start, 4);
        return resummed(bytes);
    };
    const std::string other = bigHive(3000);
    HeaderPositions otherHeaders;
    const fs::path otherHive = image_ / "other.reg";
    ScratchDir::write(otherHive, other);
    ASSERT_TRUE(quickCheckHiveRecorded(otherHive, other, otherHeaders));
    std::string foreign;
    for (const auto& file : records())
        if (file != made_) foreign = ScratchDir::read(file);
    ASSERT_FALSE(foreign.empty());

    std::string flipped = good_;
    flipped[flipped.size() / 2] ^= 0x20;
    std::string otherRevision = good_;
    otherRevision[8] ^= 1;
    const std::vector<std::pair<const char*, std::string>> damages{
        {"empty", ""},
        {"truncated", good_.substr(0, good_.size() - 100)},
        {"a flipped byte", flipped},
        {"another revision", resummed(otherRevision)},
        {"another file's record", foreign},
        {"a start past the text_", withStart(10, static_cast<std::uint32_t>(text_.size() + 5))},
        {"a start inside a line", withStart(10, headers_.starts[10] + 3)},
        {"starts out of order", withStart(10, headers_.starts[9])},
    };
    for (const auto& [what, bytes] : damages) {
        SCOPED_TRACE(what);
        ScratchDir::write(made_, bytes);
        HeaderPositions again;
        ASSERT_TRUE(quickCheckHiveRecorded(hive_, text_, again));
        expectSameHeaders(again, checked(text_));
        EXPECT_EQ(ScratchDir::read(made_), good_);  // replaced by a good one
    }
}

TEST_F(RecordedChecks, OneBlockSavesRecordTheNewBytesAsTheCheckFindsThem) {
    ScratchDir::write(image_ / "system.reg", bigHive());
    // The first key, one in the middle, the last (whose block ends the file);
    // blocks that grow, shrink, and lose a value.
    const std::vector<std::pair<int, std::function<RegStatus(Registry&, const std::string&)>>>
        changes{
            {0,
             [](Registry& r, const std::string& k) {
                 return r.setValue(Root::LocalMachine, k,
                                   RegValue::string("Path", std::string(300, 'x')));
             }},
            {2000,
             [](Registry& r, const std::string& k) {
                 return r.setValue(Root::LocalMachine, k, RegValue::dword("Added", 1));
             }},
            {2000,
             [](Registry& r, const std::string& k) {
                 return r.deleteValue(Root::LocalMachine, k, "Path");
             }},
            {3999,
             [](Registry& r, const std::string& k) {
                 return r.setValue(Root::LocalMachine, k, RegValue::string("Path", "short"));
             }},
            {3999,
             [](Registry& r, const std::string& k) {
                 return r.renameValue(Root::LocalMachine, k, "Flags", "Bits");
             }},
        };
    for (const auto& [key, change] : changes) {
        SCOPED_TRACE(keyName(key));
        Registry registry(image_.path());
        ASSERT_TRUE(change(registry, keyName(key))) << registry.lastError();
        const std::string now = ScratchDir::read(image_ / "system.reg");
        const fs::path made = record();
        ASSERT_FALSE(made.empty());
        const std::string stamp = writeStamp(made);
        HeaderPositions recalled;
        ASSERT_TRUE(quickCheckHiveRecorded(image_ / "system.reg", now, recalled));
        expectSameHeaders(recalled, checked(now));
        EXPECT_EQ(writeStamp(made), stamp) << "the save's record did not match the bytes it wrote";
    }
    // A save of a new key writes the whole file: the next read checks it again.
    Registry registry(image_.path());
    ASSERT_TRUE(
        registry.setValue(Root::LocalMachine, "Software\\Vantix\\New", RegValue::dword("v", 1)));
    EXPECT_EQ(
        dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, "Software\\Vantix\\New", "v")),
        1u);
    EXPECT_EQ(dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, keyName(3999), "Bits")),
              static_cast<std::uint32_t>(3999 * 7));
}

TEST_F(RecordedChecks, SmallHivesAndAMissingCacheLeaveNoRecordAndStillRead) {
    copyWineHives(image_);
    ASSERT_TRUE(Registry(image_.path()).keyExists(Root::LocalMachine, "Software"));
    EXPECT_TRUE(records().empty());

    ScratchDir::write(image_ / "system.reg", bigHive());
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::unsetenv("XDG_CACHE_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, keyName(5), "Flags")),
              35u);
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
    EXPECT_TRUE(records().empty());
}

TEST_F(RecordedChecks, TheCacheKeepsOnlyTheNewestRecords) {
    const std::string text = bigHive(2700);
    for (std::size_t i = 0; i < kMostRecordedHives + 6; ++i) {
        const fs::path hive = image_ / ("hive" + std::to_string(i) + ".reg");
        ScratchDir::write(hive, text);
        HeaderPositions headers;
        ASSERT_TRUE(quickCheckHiveRecorded(hive, text, headers));
    }
    EXPECT_EQ(records().size(), kMostRecordedHives);
}

TEST_F(RecordedChecks, ASaveThatRespellsTheKeysHeaderLeavesTheNewBytesToTheNextCheck) {
    // Wine may spell a name's character as an escape; the writer spells it plainly,
    // which changes what the header shares with its neighbours.
    std::string text = bigHive();
    const std::string plain = "\\\\Key1000]";
    text.replace(text.find(plain), plain.size(), "\\\\Key\\x0031000]");
    ScratchDir::write(image_ / "system.reg", text);
    Registry registry(image_.path());
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, keyName(1000), RegValue::dword("Flags", 1)))
        << registry.lastError();
    const std::string now = ScratchDir::read(image_ / "system.reg");
    ASSERT_NE(now.find("\\\\Key1000]"), std::string::npos);
    HeaderPositions recalled;
    ASSERT_TRUE(quickCheckHiveRecorded(image_ / "system.reg", now, recalled));
    expectSameHeaders(recalled, checked(now));
}

TEST_F(RecordedChecks, ARecordThatLeavesOutAHeaderNeverMakesASaveLoseAKey) {
    ASSERT_NO_FATAL_FAILURE(recordBigHive());
    // The same record without Key0008's header, its sum made right.
    const std::size_t count = headers_.starts.size();
    std::string bytes = good_.substr(0, 48);
    const std::uint32_t fewer = static_cast<std::uint32_t>(count - 1);
    std::memcpy(bytes.data() + 12, &fewer, 4);
    for (std::size_t i = 0; i < count; ++i)
        if (i != 8) bytes.append(good_, 48 + i * 4, 4);
    for (std::size_t i = 0; i < count; ++i)
        if (i != 8) bytes.append(good_, 48 + count * 4 + i * 2, 2);
    bytes.append(8, '\0');
    ScratchDir::write(made_, resummed(bytes));

    Registry writer(image_.path());
    ASSERT_TRUE(writer.setValue(Root::LocalMachine, keyName(7), RegValue::dword("Flags", 1)));
    Registry reader(image_.path());
    EXPECT_EQ(dwordOf(reader.getValue(Root::LocalMachine, keyName(7), "Flags")), 1u);
    EXPECT_EQ(dwordOf(reader.getValue(Root::LocalMachine, keyName(8), "Flags")), 56u);
    EXPECT_NE(ScratchDir::read(hive_).find("\\\\Key0008]"), std::string::npos);
}

TEST_F(RecordedChecks, RecordsThatAreNoPlainFilesOrLieInAFolderOthersWriteAreIgnored) {
    ASSERT_NO_FATAL_FAILURE(recordBigHive());

    // A pipe in a record's place: the read neither blocks nor fails.
    fs::remove(made_);
    ASSERT_EQ(::mkfifo(made_.c_str(), 0600), 0);
    EXPECT_EQ(dwordOf(Registry(image_.path()).getValue(Root::LocalMachine, keyName(5), "Flags")),
              35u);
    fs::remove(made_);

    // In a folder that others may write, a record is neither used nor made.
    const fs::path folder = made_.parent_path();
    fs::permissions(folder, fs::perms::group_write, fs::perm_options::add);
    // A record whole and well summed, but with one shared length it should not have.
    std::string wrong = good_;
    const std::size_t shared5 = 48 + headers_.starts.size() * 4 + 5 * 2;
    ASSERT_NE(headers_.shared[5], 0);
    wrong[shared5] = wrong[shared5 + 1] = 0;
    wrong = resummed(wrong);
    ScratchDir::write(made_, wrong);
    HeaderPositions again;
    ASSERT_TRUE(quickCheckHiveRecorded(hive_, text_, again));
    expectSameHeaders(again, headers_);
    EXPECT_EQ(ScratchDir::read(made_), wrong);
}
