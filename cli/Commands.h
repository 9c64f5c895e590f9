#pragma once

#include "cli/CommandTable.h"

// The command groups of the table (CommandTable.cpp).
namespace vantix::cli {

int runMachineCommand(CommandContext& context, Args args);
int runRegCommand(CommandContext& context, Args args);
int runIniCommand(CommandContext& context, Args args);
int runFnCommand(CommandContext& context, Args args);
int runCatalogueCommand(CommandContext& context, Args args);
int runDrivesCommand(CommandContext& context, Args args);
int runBootCommand(CommandContext& context, Args args);
int runLibCommand(CommandContext& context, Args args);

}  // namespace vantix::cli
