#include "catalogue/ImageStarter.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "platform/log/Log.h"
#include "platform/paths/HostPath.h"
#include "platform/text/Text.h"

extern char** environ;

namespace vantix::catalogue {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLog = "catalogue";

std::optional<std::string> findInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return std::nullopt;
    std::string_view rest = path;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const auto folder = rest.substr(0, colon);
        if (!folder.empty()) {
            const fs::path candidate = fs::path(folder) / name;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        }
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

bool isInside(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    const fs::path canonicalFolder = fs::weakly_canonical(folder, error);
    if (error) return false;
    const fs::path relative = fs::weakly_canonical(file, error).lexically_relative(canonicalFolder);
    return !error && !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (const char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
            // A closing quote ends the program's name even without a blank after it.
            if (!quoted && words.empty()) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
            continue;
        }
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        word += c;
        inWord = true;
    }
    if (inWord) words.push_back(word);
    return words;
}

std::optional<std::vector<std::string>> ImageStarter::commandFor(const std::string& program,
                                                                 const std::vector<std::string>& arguments) {
    std::vector<std::string> argv;
    const std::string upper = text::toUpperAscii(program);
    const bool runner = upper == "RUNDLL32.EXE" || upper == "RUNDLL32";
    std::optional<fs::path> host;
    if (!runner) {
        host = host_.hostFile(program);
        // The platform adds ".EXE" to a program named without it.
        if ((!host || !fs::exists(*host)) && !ImageHost::isWindowsProgram(program))
            host = host_.hostFile(program + ".EXE");
        if (!host || !fs::exists(*host)) return std::nullopt;
    }
    if (host && ImageHost::isNativeProgram(*host)) {
        argv.push_back(host->string());
        // Our own programs (the modules, the shell) work on this image, not the default one.
        if (isInside(*host, host_.paths().programDir)) {
            argv.emplace_back("--machine");
            argv.push_back(host_.paths().imageDir.string());
        }
    } else if (runner || ImageHost::isWindowsProgram(host->string())) {
        const auto wine = findInPath("wine");
        if (!wine) {
            log::warning(kLog, "Wine is not installed: cannot start " + program);
            return std::nullopt;
        }
        argv = {"env", "WINEPREFIX=" + host_.paths().imageDir.string(), *wine, runner ? "rundll32.exe" : host->string()};
    } else {
        const auto opener = findInPath("xdg-open");
        if (!opener || !arguments.empty()) return std::nullopt;
        argv = {*opener, host->string()};
    }
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return argv;
}

bool ImageStarter::runCommandLine(const std::string& commandLine) {
    auto words = splitCommandLine(commandLine);
    if (words.empty()) return false;
    const std::string program = words.front();
    words.erase(words.begin());
    const auto argv = commandFor(program, words);
    return argv && spawn(*argv, {});
}

bool ImageStarter::shellExecute(const std::string& file, const std::string& parameters, const std::string& workDir,
                                int /*style: window states are the started program's own on this desktop*/) {
    const auto argv = commandFor(file, splitCommandLine(parameters));
    if (!argv) return false;
    std::string folder;
    if (!workDir.empty())
        if (const auto host = host_.hostFile(workDir)) folder = host->string();
    return spawn(*argv, folder);
}

bool ImageStarter::spawn(const std::vector<std::string>& argv, const std::string& workDir) {
    std::vector<char*> pointers;
    for (const auto& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    pid_t pid = 0;
    const int result = posix_spawnp(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        log::warning(kLog, "cannot start " + argv.front());
        return false;
    }
    // Reap the child when it ends, so that no zombie stays behind.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return true;
}

}  // namespace vantix::catalogue
