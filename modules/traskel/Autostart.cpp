#include "modules/traskel/Autostart.h"

#include <cstdlib>
#include <fstream>

#include "platform/dde/DdeChannel.h"
#include "platform/log/Log.h"

namespace vantix::traskel {
namespace {

namespace fs = std::filesystem;

// A quoted argument of a desktop entry's Exec line: the four characters
// that stay special inside quotes are escaped, and "%" (a field code) doubled.
std::string quoted(const std::string& argument) {
    std::string result = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') result += '\\';
        if (c == '%') result += '%';
        result += c;
    }
    return result + "\"";
}

// The desktop entry format escapes backslashes once more in every string value.
std::string escapedValue(const std::string& value) {
    std::string result;
    for (const char c : value) {
        if (c == '\\') result += '\\';
        result += c;
    }
    return result;
}

fs::path configHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "/") / ".config";
}

}  // namespace

fs::path autostartFile(const fs::path& imageDir) {
    return configHome() / "autostart" /
           ("vantix-qvddesvr-" + platform::imageKey(imageDir) + ".desktop");
}

std::string autostartEntry(const fs::path& trayProgram, const fs::path& imageDir) {
    const std::string exec = quoted(trayProgram.string()) + " --machine " +
                             quoted(fs::absolute(imageDir).lexically_normal().string()) + " /START";
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vantix taskbar\n"
           "Comment=The launcher strip of the machine image " +
           escapedValue(imageDir.string()) +
           "\n"
           "Exec=" +
           escapedValue(exec) +
           "\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool setAutostartEntry(bool on, const fs::path& trayProgram, const fs::path& imageDir) {
    const fs::path file = autostartFile(imageDir);
    std::error_code error;
    if (!on) {
        fs::remove(file, error);
        return !error;
    }
    fs::create_directories(file.parent_path(), error);
    const fs::path temporary = file.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << autostartEntry(trayProgram, imageDir);
        if (!out.flush()) {
            vantix::log::warning("traskel",
                                 temporary.string() + ": cannot write the autostart entry");
            return false;
        }
    }
    fs::rename(temporary, file, error);
    return !error;
}

}  // namespace vantix::traskel
