#include "modules/common/ModuleCommandLine.h"

#include <stdexcept>
#include <string_view>

namespace vantix::modules {

ModuleCommandLine parseModuleCommandLine(int argc, const char* const* argv) {
    ModuleCommandLine result;
    std::string& rest = result.arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--machine") {
            if (i + 1 >= argc) throw std::invalid_argument("--machine needs a folder");
            result.machine = std::filesystem::path(argv[++i]);
        } else if (argument.starts_with("--machine=")) {
            result.machine = std::filesystem::path(std::string(argument.substr(10)));
        } else {
            if (!rest.empty()) rest += ' ';
            rest += argument;
        }
    }
    return result;
}

}  // namespace vantix::modules
