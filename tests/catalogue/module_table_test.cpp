#include "CatalogueFixture.h"
#include "catalogue/ActivationList.h"
#include "catalogue/ModuleTable.h"

using namespace vantix::catalogue;
using vantix::platform::RegValue;
using vantix::platform::Root;

namespace {

class ModuleTableTest : public CatalogueTest {
protected:
    ModuleTableTest() : registry(scratch_.path() / "image") {}

    void registerModule(const std::string& key, const std::string& name, const std::string& systems,
                        bool installed = true) {
        const std::string subKey = std::string(kModuleKey) + "\\" + key;
        ASSERT_TRUE(registry.setValue(Root::LocalMachine, subKey, RegValue::string("Name", name)));
        ASSERT_TRUE(registry.setValue(Root::LocalMachine, subKey, RegValue::string("BS", systems)));
        ASSERT_TRUE(registry.setValue(
            Root::LocalMachine, subKey,
            RegValue::string("Icon", programDir().string() + "/Module/" + key + ".EXE")));
        if (installed)
            ScratchDir::write(programDir() / "Module" / (vantix::text::toUpperAscii(key) + ".EXE"),
                              "#!/bin/sh\n");
    }
    std::vector<std::string> listed(std::int64_t group, bool showDeactivated = false) {
        std::vector<std::string> out;
        for (const auto& entry :
             table.FillModuleList(*host, settings, activationSection(kModuleFamily, group),
                                  showDeactivated, programDir().string() + "/"))
            out.push_back(entry.key + ":" + entry.text + (entry.ghosted ? "~" : ""));
        return out;
    }

    vantix::platform::Registry registry;
    ModuleTable table;
    MemorySettings settings;
};

}  // namespace

TEST_F(ModuleTableTest, PlatformMaskDecidesWhichModulesAreTabled) {
    registerModule("Bootlam", "Boot Options", "1");
    registerModule("Regalto", "Registry Editor", "7");
    registerModule("Nine", "Nine Only", "4");
    table.LoadModuleTable(registry, 1, *host);
    EXPECT_EQ(listed(3),
              (std::vector<std::string>{"Bootlam:Boot Options", "Regalto:Registry Editor"}));
    table.LoadModuleTable(registry, 3, *host);
    EXPECT_EQ(listed(3), (std::vector<std::string>{"Nine:Nine Only", "Regalto:Registry Editor"}))
        << "a BS \"1\" module is listed on NT only";
    table.LoadModuleTable(registry, 2, *host);
    EXPECT_EQ(listed(3), (std::vector<std::string>{"Regalto:Registry Editor"}));
}

TEST_F(ModuleTableTest, MissingProgramsAndIconsAndNoRegistrations) {
    table.LoadModuleTable(registry, 3, *host);
    EXPECT_TRUE(listed(3).empty()) << "with no module registered the list is empty";
    registerModule("Regalto", "Registry Editor", "7");
    registerModule("Drevion", "Drives", "7", false);
    table.LoadModuleTable(registry, 3, *host);
    ASSERT_EQ(table.entries().size(), 2u) << "a module without its program stays in the table";
    EXPECT_EQ(listed(3), (std::vector<std::string>{"Regalto:Registry Editor"}));
    const auto entries =
        table.FillModuleList(*host, settings, "x", false, programDir().string() + "/");
    EXPECT_EQ(entries[0].iconFile, "") << "a program without an icon shows the standard image";
    EXPECT_EQ(entries[0].standardImage, kModuleImage);
}

TEST_F(ModuleTableTest, DeactivatingWritesTheNameInOneGroupOnly) {
    registerModule("Drevion", "Drives", "7");
    table.LoadModuleTable(registry, 3, *host);
    auto entries = table.FillModuleList(*host, settings, activationSection(kModuleFamily, 3), false,
                                        programDir().string() + "/");
    entries[0].selected = true;
    SetObjectsActive(settings, activationSection(kModuleFamily, 3), entries, false, false);
    EXPECT_EQ(settings.values,
              (std::map<std::string, std::string>{{"CONFIGTOOLS\\CONTROL_ID3|DRIVES", "0"}}));
    EXPECT_TRUE(listed(3).empty());
    EXPECT_EQ(listed(3, true), (std::vector<std::string>{"Drevion:Drives~"}));
    EXPECT_EQ(listed(8), (std::vector<std::string>{"Drevion:Drives"}))
        << "another TOOL group still lists it";
}

TEST_F(ModuleTableTest, RenamingRefusesATakenNameAndFreesAnOldDeactivation) {
    registerModule("Regalto", "Registry Editor", "7");
    registerModule("Drevion", "Drives", "7");
    table.LoadModuleTable(registry, 3, *host);
    settings.save(activationSection(kModuleFamily, 3), "Registry Editor", "0");
    EXPECT_FALSE(table.RenameModule(registry, "Regalto", "Drives")) << "taken by another module";
    EXPECT_FALSE(table.RenameModule(registry, "Regalto", "Registry Editor"))
        << "its own name is taken too";
    EXPECT_TRUE(table.RenameModule(registry, "Regalto", "drives"))
        << "the comparison is case-sensitive";
    EXPECT_EQ(registry.getValue(Root::LocalMachine, std::string(kModuleKey) + "\\Regalto", "Name")
                  ->text(),
              "drives");
    EXPECT_EQ(listed(3), (std::vector<std::string>{"Drevion:Drives", "Regalto:drives"}))
        << "deactivated under its old name, listed as active under the new one";
}
