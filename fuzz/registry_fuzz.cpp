// Wine registry file reader and writer: no input may crash them, a file that
// reads must write back byte for byte, and regenerating every key must give a
// file that reads again with the same values.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"

using namespace vantix::platform::reg;

namespace {

void markAll(HiveKey& key) {
    key.dirty = true;
    for (auto& child : key.children) markAll(*child);
}

std::size_t countValues(const HiveKey& key) {
    std::size_t n = key.values.size();
    for (const auto& child : key.children) n += countValues(*child);
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    auto parsed = parseHive(input, "fuzz.reg");
    if (!parsed.hive) {
        if (parsed.error.empty()) std::abort();
        return 0;
    }
    parsed.hive->changed = true;
    if (writeHive(*parsed.hive, "") != input) std::abort();
    markAll(*parsed.hive->root);
    const std::string regenerated = writeHive(*parsed.hive, "");
    auto again = parseHive(regenerated, "regenerated.reg");
    if (!again.hive || countValues(*again.hive->root) != countValues(*parsed.hive->root)) std::abort();
    return 0;
}
