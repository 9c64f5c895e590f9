#pragma once

#include "cli/CommandTable.h"

// vantix-cli fn export FILE / fn import FILE [--dry-run]: settings profiles.
namespace vantix::cli {

int exportProfileCommand(CommandContext& context, Args args);
int importProfileCommand(CommandContext& context, Args args);

}  // namespace vantix::cli
