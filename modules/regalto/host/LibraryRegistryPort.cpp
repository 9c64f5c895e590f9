#include "modules/regalto/host/LibraryRegistryPort.h"

#include <exception>
#include <optional>

#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/registry/RegFile.h"
#include "platform/text/Windows1252.h"

namespace vantix::regalto {
namespace {

struct RootAndKey {
    platform::Root root;
    std::string subKey;
};

std::optional<RootAndKey> splitRoot(const std::string& path) {
    const auto slash = path.find('\\');
    const auto root = platform::rootFromName(path.substr(0, slash));
    if (!root) return std::nullopt;
    return RootAndKey{*root, slash == std::string::npos ? std::string() : path.substr(slash + 1)};
}

std::optional<std::vector<std::uint8_t>> parseHex(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        for (char c : text.substr(i, 2)) {
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else
                return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

// The library addresses a root key itself as "HKEY_...\"; the tree's path of a root has no
// backslash.
std::string libraryPath(const std::string& path) {
    return path.find('\\') == std::string::npos ? path + "\\" : path;
}

void logFailure(const std::string& what, const std::string& reason) {
    log::debug("regalto", what + " failed: " + reason);
}

}  // namespace

LibraryRegistryPort::LibraryRegistryPort(platform::Machine& machine, lindrel32::IQVREG& qvreg)
    : machine_(machine), qvreg_(qvreg) {
}

LibraryRegistryPort::LibraryRegistryPort(platform::Machine& machine)
    : machine_(machine), own_(std::make_unique<lindrel32::QVREG>(machine)), qvreg_(*own_) {
}

std::string LibraryRegistryPort::getValue(const std::string& path, const std::string& name,
                                          const std::string& letter) {
    try {
        return qvreg_.GetReg(libraryPath(path), name, letter);
    } catch (const std::exception& error) {
        logFailure("read " + path, error.what());
        return kNoKey;
    }
}

bool LibraryRegistryPort::setValue(const std::string& path, const std::string& name,
                                   const std::string& value, const std::string& letter) {
    try {
        // Kinds the type letters cannot name keep their type when written over.
        if (const auto where = splitRoot(path); where && (letter.empty() || letter == "B")) {
            auto& registry = machine_.registry();
            if (const auto existing = registry.getValue(where->root, where->subKey, name)) {
                const auto type = existing->type;
                if (letter.empty() && type == platform::regtype::ExpandSz) {
                    return static_cast<bool>(registry.setValue(
                        where->root, where->subKey, platform::RegValue::string(name, value, type)));
                }
                if (letter == "B" &&
                    (type == platform::regtype::MultiSz || type == 8 || type == 9)) {
                    const auto bytes = parseHex(value);
                    if (!bytes) return false;
                    if (type == platform::regtype::MultiSz) {
                        // The hex digits are the ANSI bytes a "B" read gave: back to UTF-16.
                        std::string text = vantix::text::fromWindows1252(
                            std::string(bytes->begin(), bytes->end()));
                        if (!text.empty() && text.back() == '\0')
                            text.pop_back();  // string() ends it again
                        return static_cast<bool>(
                            registry.setValue(where->root, where->subKey,
                                              platform::RegValue::string(name, text, type)));
                    }
                    return static_cast<bool>(registry.setValue(
                        where->root, where->subKey, platform::RegValue{name, type, *bytes}));
                }
            }
        }
        if (qvreg_.SetReg(libraryPath(path), name, value, letter)) return true;
        logFailure("write " + path, qvreg_.LastError());
    } catch (const std::exception& error) {
        logFailure("write " + path, error.what());
    }
    return false;
}

bool LibraryRegistryPort::deleteValue(const std::string& path, const std::string& name) {
    // The library reads the name "%ROOT%" as "the whole key": a value of that
    // name is deleted below it.
    if (name == "%ROOT%") {
        const auto where = splitRoot(path);
        if (!where) return false;
        const auto status = machine_.registry().deleteValue(where->root, where->subKey, name);
        if (!status) logFailure("delete " + path, status.message);
        return static_cast<bool>(status);
    }
    try {
        if (qvreg_.DelReg(libraryPath(path), name)) return true;
        logFailure("delete " + path, qvreg_.LastError());
    } catch (const std::exception& error) {
        logFailure("delete " + path, error.what());
    }
    return false;
}

bool LibraryRegistryPort::deleteKey(const std::string& path) {
    try {
        if (qvreg_.DelReg(libraryPath(path), "%ROOT%")) return true;
        logFailure("delete " + path, qvreg_.LastError());
    } catch (const std::exception& error) {
        logFailure("delete " + path, error.what());
    }
    return false;
}

bool LibraryRegistryPort::renameValue(const std::string& path, const std::string& oldName,
                                      const std::string& newName, const std::string& letter) {
    const auto where = splitRoot(path);
    if (!where) return false;
    try {
        // Moved as stored (type and bytes): the type letter alone would turn an
        // expandable string or a multi-string into another kind.
        auto& registry = machine_.registry();
        const auto existing = registry.getValue(where->root, where->subKey, oldName);
        if (!existing) return qvreg_.RenameReg(libraryPath(path), oldName, newName, letter);
        // In place: writing the new name and deleting the old one would lose a
        // value whose new name differs only in case.
        const auto status = registry.renameValue(where->root, where->subKey, oldName, newName);
        if (status) return true;
        logFailure("rename in " + path, status.message);
    } catch (const std::exception& error) {
        logFailure("rename in " + path, error.what());
    }
    return false;
}

std::vector<ValueName> LibraryRegistryPort::values(const std::string& path, std::size_t limit) {
    std::vector<ValueName> result;
    try {
        const auto where = splitRoot(path);
        if (!where) return result;
        const auto info = machine_.registry().keyInfo(where->root, where->subKey);
        if (!info || info->valueCount == 0) return result;
        const std::size_t size = std::min<std::size_t>(limit, info->valueCount);
        std::vector<std::string> names(size);
        std::vector<std::int32_t> types(size);
        const auto last = qvreg_.GetPfadValue(libraryPath(path), names, types);
        for (std::int32_t i = 0; i <= last && static_cast<std::size_t>(i) < size; ++i) {
            result.push_back(
                {names[static_cast<std::size_t>(i)], types[static_cast<std::size_t>(i)]});
        }
    } catch (const std::exception& error) {
        logFailure("list values of " + path, error.what());
    }
    return result;
}

std::vector<std::string> LibraryRegistryPort::subKeys(const std::string& path) {
    try {
        std::vector<std::string> names(
            static_cast<std::size_t>(std::max(0, qvreg_.GetSubKeyAnzahl(libraryPath(path)))));
        if (names.empty()) return names;
        const auto last = qvreg_.GetPfad(libraryPath(path), names);
        names.resize(static_cast<std::size_t>(std::max<std::int32_t>(0, last + 1)));
        return names;
    } catch (const std::exception& error) {
        logFailure("list sub-keys of " + path, error.what());
        return {};
    }
}

std::int32_t LibraryRegistryPort::subKeyCount(const std::string& path) {
    try {
        return qvreg_.GetSubKeyAnzahl(libraryPath(path));
    } catch (const std::exception& error) {
        logFailure("count sub-keys of " + path, error.what());
        return 0;
    }
}

std::string LibraryRegistryPort::exportKey(const std::string& path,
                                           const std::filesystem::path& file) {
    const auto where = splitRoot(path);
    if (!where) return "no such key: " + path;
    try {
        const auto status =
            platform::exportRegFile(machine_.registry(), where->root, where->subKey, file);
        return status ? std::string() : status.message;
    } catch (const std::exception& error) {
        return error.what();
    }
}

std::string LibraryRegistryPort::importFile(const std::filesystem::path& file) {
    try {
        const auto status = platform::importRegFile(machine_.registry(), file);
        return status ? std::string() : status.message;
    } catch (const std::exception& error) {
        return error.what();
    }
}

}  // namespace vantix::regalto
