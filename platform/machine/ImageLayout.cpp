#include "platform/machine/ImageLayout.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/paths/HostPath.h"
#include "platform/registry/RegFile.h"
#include "platform/text/Text.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

// Host folders below drive_c. The Windows folder is "windows" on every platform:
// Wine fixes the Windows folder at C:\windows, so NT 4's C:\WINNT would be a
// folder Wine never uses. Wine starts its own programs in system32, which the
// 9x images therefore have beside their SYSTEM folder.
constexpr std::array kWin9xFolders{
    "windows/system",
    "windows/system32",
    "windows/temp",
    "windows/Desktop",
    "windows/Start Menu/Programs/StartUp",
    "windows/fonts",
    "windows/inf",
    "windows/command",
    "windows/Favorites",
    "windows/Recent",
    "windows/SendTo",
    "windows/ShellNew",
    "windows/NetHood",
    "Program Files/Common Files",
    "My Documents",
};
constexpr std::array kNt4Folders{
    "windows/system32",
    "windows/system",
    "windows/temp",
    "windows/fonts",
    "windows/inf",
    "windows/ShellNew",
    "windows/Profiles/Administrator/Desktop",
    "windows/Profiles/Administrator/Start Menu/Programs/Startup",
    "windows/Profiles/Administrator/Favorites",
    "windows/Profiles/Administrator/Personal",
    "windows/Profiles/Administrator/Recent",
    "windows/Profiles/Administrator/SendTo",
    "windows/Profiles/Administrator/NetHood",
    "windows/Profiles/All Users/Desktop",
    "windows/Profiles/All Users/Start Menu/Programs/Startup",
    "Program Files/Common Files",
};

std::uint64_t unixNow() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
}

std::string hex(std::uint64_t value) {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
}

// An empty hive in Wine's format. Wine takes a hive without "#arch" for a
// 32-bit prefix, which a 64-bit Wine refuses to run; a win64 prefix also runs
// the 32-bit programs of Windows 9x wherever Wine has its 32-bit part.
std::string hiveHeader(std::string_view root) {
    return "WINE REGISTRY Version 2\n;; All keys relative to " + std::string(root) +
           "\n\n#arch=win64\n";
}

// NT's CurrentControlSet: a link key whose target is ControlSet001, as real NT
// and current Wine lay it out. REGEDIT4 cannot express links, so it is written here.
std::string controlSetLink() {
    const std::uint64_t seconds = unixNow();
    const std::uint64_t filetime = seconds * 10'000'000ULL + 116'444'736'000'000'000ULL;
    const std::string target = "\\Registry\\Machine\\System\\ControlSet001";
    std::string bytes;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (i > 0) bytes += ',';
        bytes += hex(static_cast<unsigned char>(target[i])) + ",00";
    }
    return "\n[System\\\\CurrentControlSet] " + std::to_string(seconds) +
           "\n#time=" + hex(filetime) + "\n#link\n\"SymbolicLinkValue\"=hex(6):" + bytes + "\n";
}

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw MachineError("cannot write " + path.string());
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) throw MachineError("cannot read " + path.string());
    return content.str();
}

fs::path platformTemplates(const fs::path& templateDir, WindowsPlatform platform) {
    const fs::path folder = templateDir / std::string(platformName(platform));
    if (!fs::is_directory(folder))
        throw MachineError("no machine templates for " + std::string(platformName(platform)) +
                           " in " + templateDir.string());
    return folder;
}

// The files below a template's drive_c, by path relative to it.
void collectFiles(const fs::path& from, std::vector<fs::path>& files) {
    if (!fs::is_directory(from)) return;
    for (const auto& entry : fs::recursive_directory_iterator(from))
        if (entry.is_regular_file()) files.push_back(entry.path());
}

std::vector<std::string_view> lines(std::string_view content) {
    std::vector<std::string_view> result;
    while (!content.empty()) {
        const auto end = content.find('\n');
        result.push_back(text::trim(content.substr(0, end), " \t\r"));
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    return result;
}

bool isIniFile(const fs::path& path) {
    return text::equalsIgnoreCase(path.extension().string(), ".ini");
}

// The name of a "[section]" line, or "" for any other line.
std::string sectionName(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return {};
    return text::toUpperAscii(std::string(line.substr(1, line.size() - 2)));
}

// Copies the template files into drive_c, each name matched against what
// exists case-insensitively (Wine writes win.ini, the templates WIN.INI). An
// INI file that Wine made keeps the sections that the template lacks ([mci],
// [drivers32]: Wine's multimedia drivers), appended after the template's text.
void copyTemplateFiles(const fs::path& templateDriveC, const fs::path& driveC) {
    std::vector<fs::path> files;
    collectFiles(templateDriveC, files);
    for (const fs::path& file : files) {
        const std::string relative = file.lexically_relative(templateDriveC).generic_string();
        const fs::path target = appendMatchingCase(driveC, relative);
        std::string content = readFile(file);
        if (isIniFile(target) && fs::is_regular_file(target)) {
            std::set<std::string> ours;
            for (const auto line : lines(content)) {
                if (auto name = sectionName(line); !name.empty()) ours.insert(name);
            }
            bool keep = false;
            std::string kept;
            const std::string wines = readFile(target);
            for (const auto line : lines(wines)) {
                if (auto name = sectionName(line); !name.empty()) keep = !ours.count(name);
                if (keep) kept += std::string(line) + "\r\n";
            }
            if (!kept.empty()) {
                if (!content.empty() && content.back() != '\n') content += "\r\n";
                content += kept;
            }
        }
        fs::create_directories(target.parent_path());
        writeFile(target, content);
    }
}

// A Wine prefix keeps its Control Panel applets in system32 only; Windows 95
// and 98 keep theirs in the system folder. Hard links (else copies) put Wine's
// applets where the 9x system looks for them.
void linkWineApplets(const fs::path& windows) {
    const fs::path system32 = appendMatchingCase(windows, "system32");
    const fs::path system = appendMatchingCase(windows, "system");
    std::error_code error;
    if (!fs::is_directory(system32, error)) return;
    for (const auto& entry : fs::directory_iterator(system32)) {
        if (!entry.is_regular_file() ||
            !text::equalsIgnoreCase(entry.path().extension().string(), ".cpl"))
            continue;
        const fs::path link = appendMatchingCase(system, entry.path().filename().string());
        if (fs::exists(link, error)) continue;
        fs::create_hard_link(entry.path(), link, error);
        if (error) fs::copy_file(entry.path(), link);
    }
}

}  // namespace

void layOutImage(const fs::path& imageDir, WindowsPlatform platform, const fs::path& templateDir) {
    const fs::path templates = platformTemplates(templateDir, platform);
    std::error_code error;
    const bool winePrefix = fs::is_regular_file(imageDir / "system.reg", error);
    try {
        const fs::path driveC = imageDir / "drive_c";
        fs::create_directories(driveC);
        fs::create_directories(imageDir / "dosdevices");
        if (!fs::is_symlink(imageDir / "dosdevices" / "c:"))
            fs::create_directory_symlink("../drive_c", imageDir / "dosdevices" / "c:");
        const auto folders =
            platform == WindowsPlatform::Nt4
                ? std::vector<const char*>(kNt4Folders.begin(), kNt4Folders.end())
                : std::vector<const char*>(kWin9xFolders.begin(), kWin9xFolders.end());
        for (const char* folder : folders)
            fs::create_directories(appendMatchingCase(driveC, folder));
        // The platform's copy of a file wins over the common one.
        copyTemplateFiles(templateDir / "common" / "drive_c", driveC);
        copyTemplateFiles(templates / "drive_c", driveC);
        if (winePrefix && platform != WindowsPlatform::Nt4)
            linkWineApplets(appendMatchingCase(driveC, "windows"));
    } catch (const fs::filesystem_error& failure) {
        throw MachineError(std::string("cannot lay out the image: ") + failure.what());
    }
    // A Wine prefix has its hives, NT's CurrentControlSet link among them.
    if (winePrefix) return;
    std::string system = hiveHeader("\\\\Machine");
    if (platform == WindowsPlatform::Nt4) system += controlSetLink();
    writeFile(imageDir / "system.reg", system);
    writeFile(imageDir / "user.reg", hiveHeader("\\\\User\\\\S-1-5-21-0-0-0-1000"));
    writeFile(imageDir / "userdef.reg", hiveHeader("\\\\User\\\\.Default"));
}

void importRegistryTemplates(Registry& registry, WindowsPlatform platform,
                             const fs::path& templateDir) {
    // Name order across both folders; the common file first on equal names.
    std::vector<std::pair<std::string, fs::path>> files;
    for (const fs::path& folder :
         {templateDir / "common", platformTemplates(templateDir, platform)}) {
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".reg")
                files.emplace_back(entry.path().filename().string(), entry.path());
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [name, path] : files)
        if (const RegStatus status = importRegText(registry, readFile(path)); !status)
            throw MachineError("cannot import " + path.string() + ": " + status.message);
}

}  // namespace vantix::platform
