#include "platform/database/Scramble.h"

namespace vantix::platform {

namespace {
constexpr unsigned char kScrambleKey = 0x5A;
}

std::string Scramble(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
    return result;
}

}  // namespace vantix::platform
