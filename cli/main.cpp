#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandTable.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantix::cli::runCli(args, std::cout, std::cerr);
}
