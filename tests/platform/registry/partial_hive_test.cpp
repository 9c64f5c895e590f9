#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "RegistryTestSupport.h"
#include "platform/registry/HiveCheck.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/KeyResolution.h"
#include "platform/registry/PartialHive.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"

using namespace vantix::platform;
using namespace vantix::platform::reg;

namespace {

constexpr std::array<std::string_view, 3> kFixtures{"system.reg", "user.reg", "userdef.reg"};

// The three hives of an image loaded whole.
class WholeHives : public HiveSource {
public:
    explicit WholeHives(const std::array<std::string, 3>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            auto parsed = parseHive(texts[i], kFixtures[i]);
            EXPECT_TRUE(parsed.hive) << parsed.error;
            hives[i] = std::move(parsed.hive);
        }
    }
    Hive* hiveFor(int hive, const std::vector<std::string>&, RegStatus&) override {
        return hives[static_cast<std::size_t>(hive)].get();
    }
    HiveKey& createChild(int hive, HiveKey& parent, const std::string& name,
                         std::string folded) override {
        ++made;
        (void)hive;
        return parent.addChild(name, std::move(folded), 0);
    }
    std::array<std::unique_ptr<Hive>, 3> hives;
    int made = 0;
};

// The same hives read only in the blocks each walk needs.
class PartialHives : public HiveSource {
public:
    explicit PartialHives(const std::array<std::string, 3>& texts) : texts_(texts) {
        // As the registry indexes a file: from the check when it passes, else by a scan.
        for (const auto& text : texts_) {
            HeaderPositions positions;
            if (quickCheckHive(text, &positions))
                indexes_.emplace_back(text, std::move(positions));
            else
                indexes_.emplace_back(text);
        }
    }
    Hive* hiveFor(int hive, const std::vector<std::string>& components, RegStatus& st) override {
        const auto i = static_cast<std::size_t>(hive);
        auto parsed = parsePartialHive(texts_[i], indexes_[i], components, kFixtures[i]);
        if (!parsed.hive) {
            st = status(RegStatus::Corrupt, parsed.error);
            return nullptr;
        }
        parts_.push_back(std::move(parsed.hive));
        return parts_.back().get();
    }
    HiveKey& createChild(int, HiveKey&, const std::string&, std::string) override { std::abort(); }

private:
    std::array<std::string, 3> texts_;
    std::vector<HeaderIndex> indexes_;
    std::vector<std::unique_ptr<Hive>> parts_;
};

std::array<std::string, 3> fixtureTexts() {
    return {readFixture("system.reg"), readFixture("user.reg"), readFixture("userdef.reg")};
}

void forEachKey(const HiveKey& key, std::vector<std::string>& path,
                const std::function<void(const HiveKey&, const std::vector<std::string>&)>& visit) {
    visit(key, path);
    for (const auto& child : key.children) {
        path.push_back(child->name);
        forEachKey(*child, path, visit);
        path.pop_back();
    }
}

// What a reader sees of a key: found or why not, its values, link and class.
std::string seen(HiveSource& source, int hive, const std::vector<std::string>& path,
                 FinalLink finalLink) {
    RegStatus st;
    const HiveKey* key = walk(source, hive, path, Missing::Fail, finalLink, st);
    if (!key) return "missing: " + st.message;
    std::string out = std::to_string(hive) + (key->isLink ? " link" : "") +
                      " class=" + key->className.value_or("-");
    for (const HiveValue& v : key->values) {
        out += "\n" + v.name + " " + std::to_string(v.type) + ":";
        for (const auto b : v.data) out += std::to_string(b) + ",";
    }
    return out;
}

std::vector<std::string> upper(const std::vector<std::string>& path) {
    std::vector<std::string> out;
    for (const auto& name : path) out.push_back(vantix::text::toUpper(name));
    return out;
}

}  // namespace

TEST(PartialHive, EveryKeyOfTheWineFixturesReadsAsFromTheWholeFile) {
    const auto texts = fixtureTexts();
    WholeHives whole(texts);
    PartialHives partial(texts);
    std::size_t keys = 0;
    std::size_t links = 0;
    for (int hive = 0; hive < 3; ++hive) {
        std::vector<std::string> path;
        forEachKey(*whole.hives[static_cast<std::size_t>(hive)]->root, path,
                   [&](const HiveKey& key, const std::vector<std::string>& p) {
                       ++keys;
                       links += key.isLink;
                       for (const auto finalLink : {FinalLink::Keep, FinalLink::Follow}) {
                           const std::string expected = seen(whole, hive, p, finalLink);
                           EXPECT_EQ(seen(partial, hive, p, finalLink), expected) << keyPath(key);
                           // Names compare without regard to case, in both readers.
                           EXPECT_EQ(seen(partial, hive, upper(p), finalLink), expected)
                               << keyPath(key);
                       }
                   });
    }
    EXPECT_GT(keys, 150u);
    EXPECT_GE(links, 3u);  // the Wow6432Node links are followed
}

TEST(PartialHive, AbsentKeysFailWithTheSameMessage) {
    const auto texts = fixtureTexts();
    WholeHives whole(texts);
    PartialHives partial(texts);
    for (const std::vector<std::string>& path :
         {std::vector<std::string>{"Nowhere"},
          {"Software", "Nowhere", "Deeper"},
          {"Software", "Wow6432Node", "Nowhere"},
          {"Software", "VantixFixture", "Exotic", "Missing"}})
        EXPECT_EQ(seen(partial, SystemHive, path, FinalLink::Follow),
                  seen(whole, SystemHive, path, FinalLink::Follow));
}

TEST(PartialHive, KeepsTheReadersRulesForRepeatedAndImpliedKeys) {
    const std::string text = std::string(kHeader) +
                             "\n[A\\\\B\\\\C] 1\n\"c\"=\"1\"\n"
                             "\n[a] 2\n\"x\"=\"first\"\n\"y\"=dword:00000001\n"
                             "\n[Other] 3\n\"x\"=\"other\"\n"
                             "\n[A] 4\n#class=\"Cls\"\n\"x\"=\"second\"\n"
                             "\n[Caf\\xe9] 5\n\"u\"=\"\\x263a\"\n";
    const HeaderIndex index(text);
    EXPECT_EQ(index.headers().size(), 5u);
    const auto valuesOf = [&](const std::vector<std::string>& path) {
        auto parsed = parsePartialHive(text, index, path, "test.reg");
        EXPECT_TRUE(parsed.hive) << parsed.error;
        const HiveKey* key = parsed.hive->root.get();
        for (const auto& name : path) {
            key = key ? key->child(vantix::text::foldCase(name)) : nullptr;
        }
        std::string out;
        if (!key) return std::string("absent");
        for (const auto& v : key->values)
            out += v.name + "=" + vantix::text::toUtf8(unitsOf(v.data)) + ";";
        return out + key->className.value_or("");
    };
    // Both blocks of "A" merge, the later value winning; the class comes along.
    EXPECT_EQ(valuesOf({"a"}), std::string("x=second\0;y=\x01\0;Cls", 18));
    // "A\B" exists only as part of a deeper header.
    EXPECT_EQ(valuesOf({"A", "b"}), "");
    EXPECT_EQ(valuesOf({"a", "b", "c"}), std::string("c=1\0;", 5));
    EXPECT_EQ(valuesOf({"CAF\xc3\x89"}), "u=\xe2\x98\xba" + std::string("\0;", 2));
    EXPECT_EQ(valuesOf({"A", "Z"}), "absent");
}

TEST(PartialHive, RegistryReadsEveryFixtureValueAsTheWholeReaderDoes) {
    ScratchDir dir;
    copyWineHives(dir);
    const auto texts = fixtureTexts();
    WholeHives whole(texts);
    Registry registry(dir.path());
    constexpr std::array<Root, 3> kRoots{Root::LocalMachine, Root::CurrentUser, Root::Users};
    std::size_t compared = 0;
    for (std::size_t hive = 0; hive < 3; ++hive) {
        std::vector<std::string> path;
        forEachKey(*whole.hives[hive]->root, path,
                   [&](const HiveKey& key, const std::vector<std::string>& p) {
                       std::string subKey = hive == DefaultUserHive ? ".Default" : "";
                       for (const auto& name : p) subKey += (subKey.empty() ? "" : "\\") + name;
                       if (key.isLink) return;  // followed: compared at its target
                       for (const HiveValue& v : key.values) {
                           const auto got = registry.getValue(kRoots[hive], subKey,
                                                              vantix::text::toUpper(v.name));
                           ASSERT_TRUE(got)
                               << subKey << " " << v.name << ": " << registry.lastError();
                           EXPECT_EQ(got->type, v.type);
                           EXPECT_EQ(got->data, v.data);
                           ++compared;
                       }
                       EXPECT_TRUE(registry.keyExists(kRoots[hive], subKey)) << subKey;
                   });
    }
    EXPECT_GT(compared, 300u);
}

TEST(KeyResolution, WalksLinksOnAnInMemoryHive) {
    std::array<std::string, 3> texts{
        std::string(kHeader) +
            "\n[System\\\\ControlSet001\\\\Control] 1\n\"v\"=\"1\"\n"
            "\n[System\\\\CurrentControlSet] 1\n#link\n"
            "\"SymbolicLinkValue\"=hex(6):5c,00,52,00,45,00,47,00,49,00,53,00,54,00,"
            "52,00,59,00,5c,00,4d,00,41,00,43,00,48,00,49,00,4e,00,45,00,5c,00,53,00,"
            "79,00,73,00,74,00,65,00,6d,00,5c,00,43,00,6f,00,6e,00,74,00,72,00,6f,00,"
            "6c,00,53,00,65,00,74,00,30,00,30,00,31,00\n"
            "\n[System\\\\Loop] 1\n#link\n"
            "\"SymbolicLinkValue\"=hex(6):5c,00,52,00,65,00,67,00,69,00,73,00,74,00,"
            "72,00,79,00,5c,00,4d,00,61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,53,00,"
            "79,00,73,00,74,00,65,00,6d,00,5c,00,4c,00,6f,00,6f,00,70,00\n",
        "WINE REGISTRY Version 2\n", "WINE REGISTRY Version 2\n"};
    WholeHives hives(texts);
    RegStatus st;
    int hive = SystemHive;
    const HiveKey* control = walk(hives, hive, {"system", "CURRENTCONTROLSET", "control"},
                                  Missing::Fail, FinalLink::Follow, st);
    ASSERT_TRUE(control) << st.message;
    EXPECT_EQ(keyPath(*control), "System\\ControlSet001\\Control");

    const HiveKey* link = walk(hives, hive = SystemHive, {"System", "CurrentControlSet"},
                               Missing::Fail, FinalLink::Keep, st);
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->isLink);

    EXPECT_FALSE(walk(hives, hive = SystemHive, {"System", "Loop", "x"}, Missing::Fail,
                      FinalLink::Follow, st));
    EXPECT_EQ(st.message, "link System\\Loop leads nowhere");

    // Made keys go through the source (which reports them), below the link's target.
    const HiveKey* made =
        walk(hives, hive = SystemHive, {"System", "CurrentControlSet", "New", "Deeper"},
             Missing::Create, FinalLink::Follow, st);
    ASSERT_TRUE(made);
    EXPECT_EQ(keyPath(*made), "System\\ControlSet001\\New\\Deeper");
    EXPECT_EQ(hives.made, 2);
}

TEST(KeyResolution, RootsLandInTheirHives) {
    Location loc;
    RegStatus st;
    ASSERT_TRUE(locate(Root::ClassesRoot, ".txt", loc, st));
    EXPECT_EQ(loc.hive, SystemHive);
    EXPECT_EQ(loc.components, (std::vector<std::string>{"Software", "Classes", ".txt"}));
    loc = {};
    ASSERT_TRUE(locate(Root::Users, ".DEFAULT\\Control Panel", loc, st));
    EXPECT_EQ(loc.hive, DefaultUserHive);
    EXPECT_EQ(loc.components, (std::vector<std::string>{"Control Panel"}));
    loc = {};
    EXPECT_FALSE(locate(Root::Users, "S-1-5-18", loc, st));
    EXPECT_EQ(st.code, RegStatus::NotFound);
    EXPECT_FALSE(locate(Root::LocalMachine, "a\\\\b", loc, st));
    EXPECT_EQ(st.code, RegStatus::InvalidArgument);
}

namespace {

// The change a set of a value makes to its key, at a fixed time.
void setFixed(HiveKey& key) {
    key.putValue(HiveValue{"Vantix Set", "vantix set", 4, {1, 2, 3, 4}});
    key.time = kUnixEpochFileTime + 1700000000ULL * 10000000ULL;
    key.dirty = true;
}

}  // namespace

TEST(PartialHive, OneKeysBlockRewrittenAloneIsWhatTheWholeWriterWrites) {
    for (const auto name : kFixtures) {
        const std::string text = readFixture(name);
        const HeaderIndex index(text);
        ASSERT_TRUE(headersInSaveOrder(text, index))
            << name;  // Wine writes its files in save order
        auto whole = parseHive(text, name);
        ASSERT_TRUE(whole.hive);
        std::size_t rewritten = 0;
        std::vector<std::string> path;
        forEachKey(
            *whole.hive->root, path, [&](const HiveKey& key, const std::vector<std::string>& p) {
                if (key.blocks.size() != 1) return;
                auto full = parseHive(text, name);
                HiveKey* fullKey = full.hive->root.get();
                for (const auto& n : p) fullKey = fullKey->child(vantix::text::foldCase(n));
                setFixed(*fullKey);
                const std::string expected = writeHive(*full.hive, "");

                std::vector<std::pair<std::uint32_t, ByteRange>> blocks;
                auto part = parsePartialHive(text, index, p, name, &blocks);
                ASSERT_TRUE(part.hive);
                HiveKey* partKey = part.hive->root.get();
                for (const auto& n : p) partKey = partKey->child(vantix::text::foldCase(n));
                ASSERT_TRUE(partKey);
                ASSERT_EQ(partKey->blocks.size(), 1u);
                const auto origin = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) {
                    return b.first == partKey->blocks.front().begin;
                });
                ASSERT_NE(origin, blocks.end());
                setFixed(*partKey);
                EXPECT_EQ(writeReplacingBlock(text, index.preambleEnd(), origin->second, *partKey),
                          expected)
                    << keyPath(key);
                ++rewritten;
            });
        EXPECT_GT(rewritten, 1u) << name;
    }
}

TEST(PartialHive, SaveOrderIsRefusedForRepeatedOrUnsortedKeys) {
    const auto order = [](std::string body) {
        const std::string text = std::string(kHeader) + body;
        return headersInSaveOrder(text, HeaderIndex(text));
    };
    EXPECT_TRUE(order("\n[A] 1\n\n[A\\\\B] 1\n\n[A B] 1\n\n[b] 1\n"));
    EXPECT_FALSE(
        order("\n[A B] 1\n\n[A\\\\B] 1\n"));    // a key's subkeys come before its next sibling
    EXPECT_FALSE(order("\n[A] 1\n\n[a] 1\n"));  // one key, two blocks
    EXPECT_TRUE(order("\n[Caf\\xe9] 1\n\n[Caf\\xe9\\x] 1\n"));  // decoded names compare folded
    EXPECT_FALSE(order("\n[Caf\\xe9] 1\n\n[CAF\\xc9] 1\n"));
    // A NUL character in a name must not pass for the separator: [A\0,b\\c] is a sibling
    // of [A], after A's subkeys in the tree's order.
    EXPECT_FALSE(order("\n[A\\0,b\\\\c] 1\n\n[A\\\\d] 1\n"));
    EXPECT_FALSE(order("\n[A\\x0000b\\\\c] 1\n\n[A\\\\d] 1\n"));
}

TEST(PartialHive, ASetValueRewritesOnlyItsKeysBlockAndReportsAsBefore) {
    ScratchDir dir;
    copyWineHives(dir);
    const std::string before = ScratchDir::read(dir / "system.reg");
    struct Recorder : RegistryObserver {
        void registryChanging(const RegistryChange& change) override { changes.push_back(change); }
        std::vector<RegistryChange> changes;
    } recorder;
    const std::string key = "Software\\VantixFixture\\Exotic\\sub[1]";
    const std::size_t valuesBefore = Registry(dir.path()).values(Root::LocalMachine, key)->size();
    Registry registry(dir.path());
    registry.setObserver(&recorder);
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, key, RegValue::dword("Added", 7)))
        << registry.lastError();
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, key, RegValue::dword("added", 8)))
        << registry.lastError();
    const std::string after = ScratchDir::read(dir / "system.reg");
    // Everything before and after the key's block is byte for byte as it was.
    const std::size_t begin = before.find("[Software\\\\VantixFixture\\\\Exotic\\\\sub\\[1\\]]");
    ASSERT_NE(begin, std::string::npos);
    const std::size_t end = before.find("\n[", begin + 1) + 1;
    EXPECT_EQ(after.substr(0, begin), before.substr(0, begin));
    EXPECT_EQ(after.substr(after.size() - (before.size() - end)), before.substr(end));
    // Reported as any change: the first set finds no value, the second the first's.
    ASSERT_EQ(recorder.changes.size(), 2u);
    EXPECT_EQ(recorder.changes[0].kind, RegistryChange::SetValue);
    EXPECT_EQ(recorder.changes[0].key, key);
    EXPECT_FALSE(recorder.changes[0].before);
    ASSERT_TRUE(recorder.changes[1].before);
    EXPECT_EQ(recorder.changes[1].before->data, (std::vector<std::uint8_t>{7, 0, 0, 0}));
    EXPECT_EQ(recorder.changes[1].after->name, "Added");  // the stored spelling stays
    // The new file reads whole, with the new value and every old one.
    Registry reread(dir.path());
    EXPECT_EQ(reread.getValue(Root::LocalMachine, key, "ADDED")->data,
              (std::vector<std::uint8_t>{8, 0, 0, 0}));
    EXPECT_EQ(reread.values(Root::LocalMachine, key)->size(), valuesBefore + 1);
    EXPECT_EQ(reread.subKeyNames(Root::LocalMachine, "Software\\VantixFixture")->size(), 2u);
}

TEST(PartialHive, DeletesAndRenamesOfValuesRewriteOnlyTheirKeysBlockAsAWholeSaveWould) {
    const std::string key = "Software\\VantixFixture\\Exotic\\sub[1]";
    const auto changeIn = [&](const ScratchDir& dir, bool batched) {
        copyWineHives(dir);
        Registry registry(dir.path());
        const auto names = registry.values(Root::LocalMachine, key);
        EXPECT_TRUE(names && names->size() >= 2);
        const auto changes = [&] {
            if (RegStatus st = registry.deleteValue(Root::LocalMachine, key, (*names)[0].name); !st)
                return st;
            return registry.renameValue(Root::LocalMachine, key, (*names)[1].name, "Renamed");
        };
        // A batch loads the whole file; single changes read and rewrite one block.
        EXPECT_TRUE(batched ? registry.batch(changes) : changes()) << registry.lastError();
        std::string text = ScratchDir::read(dir / "system.reg");
        // The key's times are the moment of the change; the rest must match byte for byte.
        const std::size_t header = text.find("[Software\\\\VantixFixture\\\\Exotic\\\\sub\\[1\\]]");
        EXPECT_NE(header, std::string::npos);
        const std::size_t time = text.find("#time=", header);
        EXPECT_NE(time, std::string::npos);
        text.erase(time, text.find('\n', time) - time);
        text.erase(header, text.find('\n', header) - header);
        return text;
    };
    ScratchDir oneBlock, whole;
    const std::string expected = changeIn(whole, true);
    EXPECT_EQ(changeIn(oneBlock, false), expected);
    Registry reread(oneBlock.path());
    EXPECT_TRUE(reread.getValue(Root::LocalMachine, key, "renamed"));
}
