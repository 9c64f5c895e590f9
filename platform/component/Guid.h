#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantix::platform {

// A class or interface identifier, laid out as Windows lays out a GUID.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

// The registry form: "{7604D058-8109-4737-8024-E2AA547DA585}", upper-case hexadecimal.
std::string guidText(const Guid& guid);
// Reads the registry form, braces required, hexadecimal digits in either case;
// nullopt for anything else.
std::optional<Guid> parseGuid(std::string_view text);

}  // namespace vantix::platform
