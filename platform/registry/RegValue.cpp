#include "platform/registry/Registry.h"
#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"

#include <array>

namespace vantix::platform {
namespace {

constexpr std::array<std::pair<std::string_view, Root>, 7> kRoots{{
    {"HKEY_CLASSES_ROOT", Root::ClassesRoot},
    {"HKEY_CURRENT_USER", Root::CurrentUser},
    {"HKEY_LOCAL_MACHINE", Root::LocalMachine},
    {"HKEY_USERS", Root::Users},
    {"HKEY_PERFORMANCE_DATA", Root::PerformanceData},
    {"HKEY_CURRENT_CONFIG", Root::CurrentConfig},
    {"HKEY_DYN_DATA", Root::DynData},
}};

}  // namespace

std::optional<Root> rootFromName(std::string_view name) {
    for (const auto& [text, root] : kRoots)
        if (text == name) return root;
    return std::nullopt;
}

std::string_view rootName(Root root) {
    for (const auto& [text, r] : kRoots)
        if (r == root) return text;
    return {};
}

RegValue RegValue::string(std::string name, std::string_view utf8, std::uint32_t type) {
    RegValue v{std::move(name), type, {}};
    std::u16string units = vantix::text::toUtf16(utf8);
    units.push_back(0);
    reg::appendUnits(v.data, units);
    return v;
}

RegValue RegValue::dword(std::string name, std::uint32_t number) {
    RegValue v{std::move(name), regtype::Dword, {}};
    for (int k = 0; k < 4; ++k) v.data.push_back(static_cast<std::uint8_t>(number >> (8 * k)));
    return v;
}

RegValue RegValue::binary(std::string name, std::vector<std::uint8_t> bytes) {
    return RegValue{std::move(name), regtype::Binary, std::move(bytes)};
}

std::string RegValue::text() const {
    std::u16string units = reg::unitsOf(data);
    if (const auto nul = units.find(u'\0'); nul != std::u16string::npos) units.resize(nul);
    return vantix::text::toUtf8(units);
}

}  // namespace vantix::platform
