#include "modules/common/ModuleCommandLine.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vantix::modules {
namespace {

TEST(ModuleCommandLine, MachineOptionIsTakenOutOfTheArguments) {
    const char* argv[] = {"REGALTO.EXE", "--machine", "/tmp/image", "/start"};
    const auto parsed = parseModuleCommandLine(4, argv);
    ASSERT_TRUE(parsed.machine);
    EXPECT_EQ(*parsed.machine, std::filesystem::path("/tmp/image"));
    EXPECT_EQ(parsed.arguments, "/start");

    const char* trailing[] = {"REGALTO.EXE", "/START", "more", "--machine=/x"};
    const auto second = parseModuleCommandLine(4, trailing);
    EXPECT_EQ(second.arguments, "/START more");
    EXPECT_EQ(*second.machine, std::filesystem::path("/x"));

    const char* missing[] = {"REGALTO.EXE", "--machine"};
    EXPECT_THROW(parseModuleCommandLine(2, missing), std::invalid_argument);
}

}  // namespace
}  // namespace vantix::modules
