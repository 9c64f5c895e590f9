#pragma once

#include <stdexcept>

namespace vantix::platform {

// A file that is not a readable executable, icon or version resource. The
// message is one line for a user and names the offending offset or field.
class PeImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vantix::platform
