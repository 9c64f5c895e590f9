#pragma once

#include <string>
#include <vector>

// freedesktop.org launchers (.desktop files) for the desktops our users live on.
namespace vantix::catalogue {

// One argument quoted for an Exec line when it needs it ("a b" -> "\"a b\"");
// "%" is doubled so that no field code is read into it.
std::string execArgument(const std::string& argument);

// The text of an Application entry that runs `command` (argv, at least one element).
std::string desktopEntry(const std::string& name, const std::vector<std::string>& command,
                         const std::string& comment = {});

}  // namespace vantix::catalogue
