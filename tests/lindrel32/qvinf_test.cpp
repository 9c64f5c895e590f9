#include "lindrel32/QVINF.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/machine/SystemInfo.h"
#include "tests/lindrel32/BareImage.h"

namespace fs = std::filesystem;
using lindrel32::QVINF;
using namespace vantix::platform;

namespace {

TEST(SystemInfo, NamesAsWineReportsThem) {
    BareImage image;
    QVINF info(*image.machine);
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    std::string expected(host);
    expected = expected.substr(0, std::min<std::size_t>(expected.find('.'), 15));
    for (auto& c : expected) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(info.INF_GetCompName(), expected)
        << "no registry name: the host name as wineboot records it";
    ASSERT_TRUE(image.machine->registry().setValue(
        Root::LocalMachine, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
        RegValue::string("ComputerName", "QUORVIA-PC")));
    EXPECT_EQ(info.INF_GetCompName(), "QUORVIA-PC");
    EXPECT_EQ(info.INF_GetUserName(), userName());
    EXPECT_FALSE(info.INF_GetUserName().empty());
}

TEST(SystemInfo, MemoryFromMeminfoCappedAsForOldPrograms) {
    const auto small =
        memoryStatusFromMeminfo("MemTotal: 1048576 kB\nMemFree: 100 kB\nMemAvailable: 262144 kB\n");
    ASSERT_TRUE(small);
    EXPECT_EQ(small->totalBytes, 1073741824u);
    EXPECT_EQ(small->availableBytes, 268435456u);
    EXPECT_EQ(small->loadPercent, 75u);
    const auto old = memoryStatusFromMeminfo(
        "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 100 kB\n");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->availableBytes, 250u * 1024) << "without MemAvailable: free + buffers + cached";
    const auto big = memoryStatusFromMeminfo("MemTotal: 16777216 kB\nMemAvailable: 8388608 kB\n");
    EXPECT_EQ(big->totalBytes, 0x7FFFFFFFu);
    EXPECT_EQ(big->loadPercent, 50u) << "the load is taken from the real figures";
    EXPECT_FALSE(memoryStatusFromMeminfo("garbage"));

    BareImage image;
    std::uint8_t percent = 255;
    std::int32_t total = -1, free = -1;
    QVINF(*image.machine).INF_GetMemory(percent, total, free);
    EXPECT_GT(total, 0);
    EXPECT_LE(free, total);
    EXPECT_LE(percent, 100);
}

TEST(SystemInfo, ProcessorAndKeyboard) {
    BareImage image;
    QVINF info(*image.machine);
    std::string type = "unchanged";
    std::int32_t count = 0, mask = 0;
    info.INF_Processor(type, count, mask);
    EXPECT_EQ(count, static_cast<std::int32_t>(processorInfo().count));
    EXPECT_GE(count, 1);
    EXPECT_EQ(__builtin_popcount(static_cast<unsigned>(mask)), std::min(count, 32));
#if defined(__x86_64__) || defined(__i386__)
    EXPECT_EQ(type, "Intel Pentium/Pro");
#else
    EXPECT_EQ(type, "unchanged");
#endif
    std::int32_t keys = 0;
    EXPECT_EQ(info.INF_GetKeyboardType(keys), "IBM enhanced (101 or 102 key)");
    EXPECT_EQ(keys, 12);
}

TEST(SystemInfo, DrivesCountedByType) {
    BareImage image;
    for (const char* name : {"floppy", "cd", "net"}) fs::create_directories(image.scratch / name);
    fs::create_directory_symlink("../../floppy", image.dir() / "dosdevices" / "a:");
    fs::create_directory_symlink("../../cd", image.dir() / "dosdevices" / "d:");
    fs::create_directory_symlink("../../net", image.dir() / "dosdevices" / "n:");
    auto& registry = image.machine->registry();
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, "Software\\Wine\\Drives",
                                  RegValue::string("d:", "cdrom")));
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, "Software\\Wine\\Drives",
                                  RegValue::string("n:", "network")));
    QVINF info(*image.machine);
    std::int16_t removable = 0, fixed = 0, cd = 0, ram = 0, network = 0;
    info.INF_DriveAnz(removable, fixed, cd, ram, network);
    EXPECT_EQ(removable, 1);
    EXPECT_EQ(fixed, 1);
    EXPECT_EQ(cd, 1);
    EXPECT_EQ(network, 1);
    EXPECT_EQ(ram, 0);
    info.INF_DriveAnz(removable, fixed, cd, ram, network);
    EXPECT_EQ(fixed, 2) << "counters are only added to";
    EXPECT_EQ(info.INF_DriveType("D:\\"), 5);
    EXPECT_EQ(info.INF_DriveType("c:"), 3);
    EXPECT_EQ(info.INF_DriveType("Q:\\"), 1);
    EXPECT_EQ(info.INF_DriveType("C:\\windows"), 1) << "no root";
    EXPECT_EQ(info.INF_DriveType(""), 1);
}

}  // namespace
