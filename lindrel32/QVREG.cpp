#include "lindrel32/QVREG.h"

#include <algorithm>
#include <optional>

#include "lindrel32/RegText.h"
#include "lindrel32/RegistryPath.h"
#include "platform/machine/Machine.h"
#include "platform/text/Text.h"

namespace lindrel32 {

namespace platform = vantix::platform;
using platform::RegStatus;

namespace {

constexpr const char* kAbsent = "NO Key";
constexpr const char* kWholeKey = "%ROOT%";
constexpr int kDeleteRounds = 1000;
constexpr std::size_t kKeyNameBuffer = 255;    // a subkey name must be shorter
constexpr std::size_t kValueNameBuffer = 256;  // a value name must be shorter

std::size_t utf16Length(const std::string& text) {
    return vantix::text::toUtf16(text).size();
}

// The last index an enumeration may fill: the array's upper bound, within a 16-bit result.
std::int32_t upperBound(std::size_t size) {
    return static_cast<std::int32_t>(std::min<std::size_t>(size, 32768)) - 1;
}

}  // namespace

QVREG::QVREG() = default;
QVREG::QVREG(platform::Machine& machine) : machine_(&machine) {
}

platform::Registry& QVREG::registry() {
    return (machine_ ? *machine_ : platform::currentMachine()).registry();
}

void QVREG::clear() {
    lastError_.clear();
    badInput_ = false;
}

bool QVREG::fail(std::string reason, bool badInput) {
    lastError_ = std::move(reason);
    badInput_ = badInput;
    return false;
}

bool QVREG::fail(const RegStatus& status) {
    return fail(status.message, status.code == RegStatus::InvalidArgument);
}

std::optional<std::string> QVREG::read(const std::string& MainSubKey, const std::string& Value,
                                       const std::string& VarTyp) {
    const RegistryPath path = splitRegistryPath(MainSubKey);
    clear();
    if (!path.root) {
        fail("unknown root key in " + MainSubKey, true);
        return std::nullopt;
    }
    auto& reg = registry();
    const auto value = reg.getValue(*path.root, path.subKey, Value);
    if (!value) {
        fail(reg.lastError().empty() ? "no such key or value" : reg.lastError());
        return std::nullopt;
    }
    auto text = regtext::format(*value, VarTyp);
    if (!text) fail("the value does not fit a DWORD");
    return text;
}

std::string QVREG::GetReg(const std::string& MainSubKey, const std::string& Value,
                          const std::string& VarTyp) {
    return read(MainSubKey, Value, VarTyp).value_or(kAbsent);
}

std::int32_t QVREG::GetSubKeyAnzahl(const std::string& MainSubKey) {
    const RegistryPath path = splitRegistryPath(MainSubKey);
    clear();
    if (!path.root) {
        fail("unknown root key in " + MainSubKey, true);
        return 0;
    }
    const auto info = registry().keyInfo(*path.root, path.subKey);
    if (!info) {
        fail("no such key");
        return 0;
    }
    return static_cast<std::int32_t>(info->subKeyCount);
}

std::int16_t QVREG::GetPfad(const std::string& MainSubKey, std::vector<std::string>& ExPfade) {
    clear();
    if (MainSubKey.find('\\') == std::string::npos) {
        fail("registry path without a backslash");
        return -1;
    }
    const RegistryPath path = splitRegistryPath(MainSubKey);
    if (!path.root) {
        fail("unknown root key in " + MainSubKey, true);
        return -1;
    }
    const auto names = registry().subKeyNames(*path.root, path.subKey);
    if (!names) {
        fail("no such key");
        return -1;
    }
    const std::int32_t last = upperBound(ExPfade.size());
    for (std::int32_t i = 0;; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (index >= names->size() || utf16Length((*names)[index]) >= kKeyNameBuffer)
            return static_cast<std::int16_t>(i - 1);
        if (i > last) return static_cast<std::int16_t>(last);
        ExPfade[index] = (*names)[index];
    }
}

std::int16_t QVREG::GetPfadValue(const std::string& MainSubKey, std::vector<std::string>& ExPfade,
                                 std::vector<std::int32_t>& ExType) {
    clear();
    if (MainSubKey.find('\\') == std::string::npos) {
        fail("registry path without a backslash");
        return -1;
    }
    const RegistryPath path = splitRegistryPath(MainSubKey);
    if (!path.root) {
        fail("unknown root key in " + MainSubKey, true);
        return -1;
    }
    const auto values = registry().values(*path.root, path.subKey);
    if (!values) {
        fail("no such key");
        return -1;
    }
    const std::int32_t last = upperBound(ExPfade.size());
    for (std::int32_t i = 0;; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (index >= values->size() || utf16Length((*values)[index].name) >= kValueNameBuffer)
            return static_cast<std::int16_t>(i - 1);
        if (i > last) return static_cast<std::int16_t>(last);
        ExPfade[index] = (*values)[index].name;
        // A type array shorter than the name array only misses the types that do not fit.
        if (index < ExType.size()) ExType[index] = static_cast<std::int32_t>((*values)[index].type);
    }
}

bool QVREG::DelReg(const std::string& MainSubKey, const std::string& ValueKey) {
    const RegistryPath path = splitRegistryPath(MainSubKey);
    clear();
    if (!path.root) return fail("unknown root key in " + MainSubKey, true);
    auto& reg = registry();
    if (ValueKey != kWholeKey) {
        const RegStatus status = reg.deleteValue(*path.root, path.subKey, ValueKey);
        return status ? true : fail(status);
    }
    // A root key, or the root of a hive (HKEY_USERS\.Default), cannot be
    // deleted; going on would strip it leaf by leaf.
    if (path.subKey.empty() || reg.isHiveRoot(*path.root, path.subKey))
        return fail("a root key cannot be deleted", true);
    bool deleted = false;
    std::string lastFailure;
    // One durable change for the whole tree instead of one file rewrite per key.
    const RegStatus saved = reg.batch([&]() -> RegStatus {
        // Leaf first, each round from the top, at most 1000 keys.
        for (int round = 0; round < kDeleteRounds; ++round) {
            std::string current = path.subKey;
            // A link is deleted as itself: what it leads to is not below it.
            while (!reg.isLink(*path.root, current)) {
                const auto names = reg.subKeyNames(*path.root, current);
                if (!names || names->empty()) break;
                current += "\\" + names->front();
            }
            const RegStatus status = reg.deleteKey(*path.root, current);
            if (status)
                deleted = true;
            else
                lastFailure = status.message;
            if (current == path.subKey) break;
        }
        return RegStatus::ok();
    });
    if (!saved) return fail(saved);
    if (!deleted) return fail(lastFailure.empty() ? "no such key" : lastFailure);
    return true;
}

bool QVREG::SetReg(const std::string& MainSubKey, const std::string& ValueKey,
                   const std::string& Wert, const std::string& VarTyp) {
    const RegistryPath path = splitRegistryPath(MainSubKey);
    clear();
    if (!path.root) return fail("unknown root key in " + MainSubKey, true);
    // Converted before anything is written, so bad text changes nothing.
    const platform::RegValue value = regtext::parse(ValueKey, Wert, VarTyp);
    const RegStatus status = registry().setValue(*path.root, path.subKey, value);
    return status ? true : fail(status);
}

bool QVREG::RenameReg(const std::string& MainSubKey, const std::string& OldValueKey,
                      const std::string& NewValueKey, const std::string& VarTyp) {
    // An absent value (or one that does not fit the type letter) is no value to
    // copy: the copy would store the text "NO Key" under the new name.
    const std::optional<std::string> text = read(MainSubKey, OldValueKey, VarTyp);
    if (!text) return false;
    if (vantix::text::equalsIgnoreCase(OldValueKey, NewValueKey)) {
        // The same value under another spelling: copying then deleting would
        // lose it, so it is renamed in place, type and data untouched.
        const RegistryPath path = splitRegistryPath(MainSubKey);
        const RegStatus status =
            registry().renameValue(*path.root, path.subKey, OldValueKey, NewValueKey);
        return status ? true : fail(status);
    }
    if (!SetReg(MainSubKey, NewValueKey, *text, VarTyp)) return false;
    return DelReg(MainSubKey, OldValueKey);
}

bool QVREG::ValueExists(const std::string& MainSubKey, const std::string& Value) {
    const RegistryPath path = splitRegistryPath(MainSubKey);
    clear();
    if (!path.root) return fail("unknown root key in " + MainSubKey, true);
    return registry().getValue(*path.root, path.subKey, Value).has_value()
               ? true
               : fail("no such key or value");
}

}  // namespace lindrel32
