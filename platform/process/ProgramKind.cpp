#include "platform/process/ProgramKind.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>

#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

bool startsWithMagic(const std::filesystem::path& file, std::string_view magic) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[4] = {};
    const ssize_t n = ::read(fd, buffer, magic.size());
    ::close(fd);
    return n == static_cast<ssize_t>(magic.size()) && std::string_view(buffer, magic.size()) == magic;
}

}  // namespace

ProgramKind programKind(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        if (startsWithMagic(file, "\x7F" "ELF")) return ProgramKind::Native;
        if (::access(file.c_str(), X_OK) == 0 && startsWithMagic(file, "#!")) return ProgramKind::Native;
    }
    const std::string extension = vantix::text::toUpperAscii(file.extension().string());
    if (extension == ".EXE" || extension == ".COM" || extension == ".BAT" || extension == ".PIF")
        return ProgramKind::Windows;
    if (extension == ".CPL") return ProgramKind::ControlPanel;
    return ProgramKind::Document;
}

bool isWebAddress(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool ok = std::isalpha(c) || (i > 0 && (std::isdigit(c) || c == '+' || c == '-' || c == '.'));
        if (!ok) return false;
    }
    return true;
}

}  // namespace vantix::platform
