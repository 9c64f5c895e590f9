#include "platform/database/Scramble.h"

namespace vantix::platform {

namespace {
// Below 0x20 the key only flips the low five bits: printable ASCII stays
// printable, so a scrambled password never holds a NUL that would cut it
// short in the registry, nor a byte that is not valid UTF-8 text.
constexpr unsigned char kScrambleKey = 0x1F;
}

std::string Scramble(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
    return result;
}

}  // namespace vantix::platform
