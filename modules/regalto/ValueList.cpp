#include "modules/regalto/ValueList.h"

#include <charconv>
#include <cstdio>

namespace vantix::regalto {

std::string tagName(ValueTag tag) {
    switch (tag) {
        case ValueTag::Expan: return "EXPAN";
        case ValueTag::Binar: return "BINAR";
        case ValueTag::Dword: return "DWORD";
        case ValueTag::None: break;
    }
    return "";
}

std::string renameLetter(ValueTag tag) {
    switch (tag) {
        case ValueTag::Dword: return "D";
        case ValueTag::Binar: return "B";
        default: return "T";
    }
}

ValueTag tagForType(std::int32_t type) {
    switch (type) {
        case 1: case 2: return ValueTag::Expan;
        case 3: case 7: case 8: case 9: return ValueTag::Binar;
        case 4: case 5: return ValueTag::Dword;
        default: return ValueTag::None;
    }
}

std::string dwordDisplay(const std::string& decimal) {
    long long number = 0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), number);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(number)));
    return decimal + "  (" + hex + ")";
}

std::string displayText(RegistryPort& registry, const std::string& path, const std::string& name,
                        std::int32_t type) {
    switch (tagForType(type)) {
        case ValueTag::Expan: return registry.getValue(path, name, "");
        case ValueTag::Binar: return registry.getValue(path, name, "B");
        case ValueTag::Dword: return dwordDisplay(registry.getValue(path, name, "D"));
        case ValueTag::None: break;
    }
    return "";
}

ValueListing listValues(RegistryPort& registry, const std::string& path) {
    ValueListing listing;
    // One more than the cap tells a full list from a cut one.
    auto values = registry.values(path, kValueListCap + 1);
    if (values.size() > kValueListCap) {
        listing.truncated = true;
        values.resize(kValueListCap);
    }
    listing.entries.push_back({kDefaultEntry, "", ValueTag::Expan, true});
    if (values.empty()) {
        listing.entries.front().setting = kValueNotSet;
        return listing;
    }
    for (const auto& value : values) {
        const ValueTag tag = tagForType(value.type);
        const std::string setting = tag == ValueTag::None ? "" : displayText(registry, path, value.name, value.type);
        if (value.name.empty()) {
            auto& entry = listing.entries.front();
            entry.setting = setting;
            entry.tag = tag == ValueTag::None ? ValueTag::Expan : tag;
        } else {
            listing.entries.push_back({value.name, setting, tag, false});
        }
    }
    // An empty binary default is a value (of no bytes) that can be edited.
    auto& defaultEntry = listing.entries.front();
    if (defaultEntry.setting.empty() && defaultEntry.tag != ValueTag::Binar) defaultEntry.setting = kValueNotSet;
    return listing;
}

}  // namespace vantix::regalto
