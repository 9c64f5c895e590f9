#pragma once

#include <string>
#include <string_view>

namespace vantix::platform {

// The character transform for the stored access password and the catalogue's
// connect string: every byte combined by exclusive or with one fixed key byte,
// so applying it twice gives the text back. It hides text from a casual look
// at the program file or the registry; it is no encryption.
std::string Scramble(std::string_view text);

}  // namespace vantix::platform
