// The programs against the registration of the library in their image: the
// real vantix-cli and a module program, each run as its own process.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "lindrel32/ClassIds.h"
#include "platform/machine/Machine.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

const fs::path kProgramDir(VANTIX_PROGRAM_DIR);

class LibraryRegistration : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!fs::exists(kProgramDir / "vantix-cli")) return;
        // Made by the real set-up: the registration tool and every module's /INIT.
        suiteScratch = new ScratchDir;
        ::setenv("VANTIX_PROGRAM_DIR", kProgramDir.c_str(), 1);
        vantix::platform::Machine::create(*suiteScratch / "template",
                                          vantix::platform::WindowsPlatform::Win98);
        ::unsetenv("VANTIX_PROGRAM_DIR");
    }
    static void TearDownTestSuite() { delete suiteScratch; }
    void SetUp() override {
        if (!suiteScratch) GTEST_SKIP() << "vantix-cli is not built";
        fs::copy(*suiteScratch / "template", image(),
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }

    fs::path image() const { return scratch / "image"; }
    // PROGRAM (relative to the program folder) with ARGUMENTS, shell-quoted by the caller.
    Outcome run(const std::string& program, const std::string& arguments) {
        // Without a display a module program tells its messages on stderr instead of in a box.
        const std::string command =
            "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY VANTIX_MACHINE='" +
            image().string() + "' '" + (kProgramDir / program).string() + "' " + arguments + " >'" +
            (scratch / "out").string() + "' 2>'" + (scratch / "err").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ScratchDir::read(scratch / "out"),
                ScratchDir::read(scratch / "err")};
    }
    Outcome cli(const std::string& arguments) { return run("vantix-cli", arguments); }
    std::string server(const lindrel32::ClassIdentity& identity) {
        const Outcome got =
            cli("reg get 'HKEY_CLASSES_ROOT\\CLSID\\" + vantix::platform::guidText(identity.clsid) +
                "\\InprocServer32' ''");
        return got.status == 0 ? got.out : "<status " + std::to_string(got.status) + ">";
    }

    static ScratchDir* suiteScratch;
    ScratchDir scratch;
};

ScratchDir* LibraryRegistration::suiteScratch = nullptr;

TEST_F(LibraryRegistration, SetUpRegistersEveryClassNamingTheBuiltLibrary) {
    const Outcome keys = cli("reg keys 'HKEY_CLASSES_ROOT\\CLSID'");
    ASSERT_EQ(keys.status, 0) << keys.err;
    const std::string library = fs::canonical(kProgramDir / "liblindrel32.so").string() + "\n";
    for (const auto& identity : lindrel32::kClasses) {
        SCOPED_TRACE(identity.name);
        EXPECT_NE(keys.out.find(vantix::platform::guidText(identity.clsid)), std::string::npos)
            << keys.out;
        EXPECT_EQ(server(identity), library);
    }
    EXPECT_EQ(keys.err, "") << "no repair on an image the set-up registered";
}

TEST_F(LibraryRegistration, ProgramsFailWithTheMessageWhileTheRegistrationIsRemoved) {
    ASSERT_EQ(cli("lib unregister").status, 0);
    const Outcome got = cli(
        "reg get 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion' VersionNumber");
    EXPECT_EQ(got.status, 1);
    EXPECT_EQ(got.out, "");
    EXPECT_NE(got.err.find("cannot create Lindrel32.QVREG"), std::string::npos) << got.err;
    EXPECT_NE(got.err.find("is not registered"), std::string::npos) << got.err;
    EXPECT_NE(got.err.find("vantix-cli lib register"), std::string::npos) << got.err;
    const Outcome module = run("Module/REGALTO.EXE", "/INIT");
    EXPECT_EQ(module.status, 1);
    EXPECT_NE(module.err.find("cannot create Lindrel32.QVREG"), std::string::npos) << module.err;

    ASSERT_EQ(cli("lib register").status, 0);
    EXPECT_EQ(server(lindrel32::kClasses[0]),
              fs::canonical(kProgramDir / "liblindrel32.so").string() + "\n");
    EXPECT_EQ(cli("reg get 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion' "
                  "VersionNumber")
                  .status,
              0);
    EXPECT_EQ(run("Module/REGALTO.EXE", "/INIT").status, 0);
}

TEST_F(LibraryRegistration, ARegisteredFileThatIsGoneFailsNamingIt) {
    const std::string key = "'HKEY_CLASSES_ROOT\\CLSID\\" +
                            vantix::platform::guidText(lindrel32::kClsidQVFKT) +
                            "\\InprocServer32'";
    ASSERT_EQ(cli("reg set " + key + " '' /nowhere/liblindrel32.so").status, 0);
    const Outcome got = cli("ini get WIN.INI windows load");
    EXPECT_EQ(got.status, 1);
    EXPECT_NE(got.err.find("/nowhere/liblindrel32.so, does not exist"), std::string::npos)
        << got.err;
}

TEST_F(LibraryRegistration, AnImageOlderThanRegistrationIsRegisteredOnceWithANotice) {
    ASSERT_EQ(cli("lib unregister").status, 0);
    fs::remove(image() / "vantix-servers-registered");
    const Outcome first = cli("reg keys 'HKEY_CLASSES_ROOT\\CLSID'");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.err.find("Registered liblindrel32.so in the machine image"), std::string::npos)
        << first.err;
    EXPECT_EQ(std::count(first.err.begin(), first.err.end(), '\n'), 1) << "one line";
    EXPECT_NE(first.out.find(vantix::platform::guidText(lindrel32::kClsidQVFILE)),
              std::string::npos);
    const Outcome second = cli("reg keys 'HKEY_CLASSES_ROOT\\CLSID'");
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.err, "");
    ASSERT_EQ(cli("lib unregister").status, 0);
    EXPECT_EQ(cli("reg keys 'HKEY_CLASSES_ROOT\\CLSID'").status, 1) << "repaired once, never again";
}

TEST_F(LibraryRegistration, LibCommandsFollowTheExitStatusRules) {
    EXPECT_EQ(cli("lib register extra").status, 2);
    EXPECT_EQ(cli("lib").status, 2);
    const Outcome help = cli("lib --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("unregister"), std::string::npos);
    fs::permissions(image(), fs::perms::owner_write, fs::perm_options::remove);
    const Outcome refused = cli("lib unregister");
    fs::permissions(image(), fs::perms::owner_write, fs::perm_options::add);
    if (::geteuid() != 0) {
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("DllUnregisterServer failed (0x80040201)"), std::string::npos)
            << refused.err;
    }
}

}  // namespace
