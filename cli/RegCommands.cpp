#include <filesystem>
#include <stdexcept>

#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "platform/machine/Machine.h"
#include "platform/registry/RegFile.h"

namespace vantix::cli {

namespace {

struct KeyPath {
    platform::Root root;
    std::string subKey;
};

// The key of a QVREG path; nullopt for an unknown root. Throws like QVREG for no backslash.
std::optional<KeyPath> keyPath(const std::string& path) {
    const auto slash = path.find('\\');
    if (slash == std::string::npos)
        throw std::invalid_argument("registry path without a backslash: " + path);
    const auto root = platform::rootFromName(std::string_view(path).substr(0, slash));
    if (!root) return std::nullopt;
    return KeyPath{*root, path.substr(slash + 1)};
}

// The key of PATH, refused (status 2, one line) for an unknown root key.
std::optional<KeyPath> knownKey(CommandContext& context, const std::string& path, int& status) {
    auto key = keyPath(path);
    if (!key) status = usageError(context, "unknown root key in " + path);
    return key;
}

// A refused input (a name the registry cannot hold, a root key to delete) is
// status 2; anything else that failed is 1.
int failed(CommandContext& context, const lindrel32::IQVREG& registry) {
    if (registry.LastErrorIsBadInput()) return usageError(context, registry.LastError());
    if (!registry.LastError().empty())
        context.err << "vantix-cli: " << registry.LastError() << "\n";
    return kAbsent;
}

std::string typeOf(Args args, std::size_t index) {
    return args.size() > index ? args[index] : std::string();
}

int get(CommandContext& context, Args args) {
    int status = kSuccess;
    if (!knownKey(context, args[0], status)) return status;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    // "NO Key" is also a possible stored text: only absence is exit status 1.
    if (!registry.ValueExists(args[0], args[1])) return kAbsent;
    const std::string text = registry.GetReg(args[0], args[1], typeOf(args, 2));
    if (text == "NO Key" && !registry.LastError().empty()) return failed(context, registry);
    context.out << text << "\n";
    return kSuccess;
}

int set(CommandContext& context, Args args) {
    int status = kSuccess;
    if (!knownKey(context, args[0], status)) return status;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    return registry.SetReg(args[0], args[1], args[2], typeOf(args, 3)) ? kSuccess
                                                                       : failed(context, registry);
}

int del(CommandContext& context, Args args) {
    int status = kSuccess;
    if (!knownKey(context, args[0], status)) return status;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    return registry.DelReg(args[0], args[1]) ? kSuccess : failed(context, registry);
}

int keys(CommandContext& context, Args args) {
    int status = kSuccess;
    const auto key = knownKey(context, args[0], status);
    if (!key) return status;
    if (!platform::currentMachine().registry().keyExists(key->root, key->subKey)) return kAbsent;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    std::vector<std::string> names(static_cast<std::size_t>(registry.GetSubKeyAnzahl(args[0])));
    const std::int16_t last = registry.GetPfad(args[0], names);
    for (std::int32_t i = 0; i <= last; ++i)
        context.out << names[static_cast<std::size_t>(i)] << "\n";
    return kSuccess;
}

int values(CommandContext& context, Args args) {
    int status = kSuccess;
    const auto key = knownKey(context, args[0], status);
    if (!key) return status;
    const auto info = platform::currentMachine().registry().keyInfo(key->root, key->subKey);
    if (!info) return kAbsent;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    std::vector<std::string> names(info->valueCount);
    std::vector<std::int32_t> types(info->valueCount);
    const std::int16_t last = registry.GetPfadValue(args[0], names, types);
    for (std::int32_t i = 0; i <= last; ++i)
        context.out << names[static_cast<std::size_t>(i)] << "\t"
                    << types[static_cast<std::size_t>(i)] << "\n";
    return kSuccess;
}

int rename(CommandContext& context, Args args) {
    int status = kSuccess;
    if (!knownKey(context, args[0], status)) return status;
    lindrel32::IQVREG& registry = lindrel32::registryObject();
    return registry.RenameReg(args[0], args[1], args[2], typeOf(args, 3))
               ? kSuccess
               : failed(context, registry);
}

// Bad input (text the format cannot hold, a file that does not parse) is status 2.
int reportStatus(CommandContext& context, const platform::RegStatus& status) {
    if (status) return kSuccess;
    if (status.code == platform::RegStatus::InvalidArgument)
        return usageError(context, status.message);
    context.err << "vantix-cli: " << status.message << "\n";
    return kAbsent;
}

int exportKey(CommandContext& context, Args args) {
    int status = kSuccess;
    const auto key = knownKey(context, args[0], status);
    if (!key) return status;
    auto& registry = platform::currentMachine().registry();
    if (!registry.keyExists(key->root, key->subKey)) return kAbsent;
    return reportStatus(context,
                        platform::exportRegFile(registry, key->root, key->subKey, args[1]));
}

int importFile(CommandContext& context, Args args) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(args[0], error))
        return usageError(context, "cannot read " + args[0]);
    // All of the file or, on its first bad line, nothing.
    return reportStatus(context,
                        platform::importRegFile(platform::currentMachine().registry(), args[0]));
}

constexpr SubCommand kCommands[] = {
    {"get", "PATH NAME [TYPE]",
     "print a value (TYPE D: decimal, B: hex pairs, else text); 1 when absent", 2, 3, get},
    {"set", "PATH NAME VALUE [TYPE]", "write a value, creating missing keys", 3, 4, set},
    {"del", "PATH NAME", "delete a value; NAME %ROOT% deletes the key with everything below it", 2,
     2, del},
    {"keys", "PATH", "list the subkeys of a key", 1, 1, keys},
    {"values", "PATH", "list the values of a key: name, tab, type number", 1, 1, values},
    {"rename", "PATH OLD NEW [TYPE]", "rename a value; 1 when OLD is absent", 3, 4, rename},
    {"export", "PATH FILE", "write the key and its subtree as a REGEDIT4 file", 2, 2, exportKey},
    {"import", "FILE", "apply a REGEDIT4 file (with [-KEY] and \"name\"=- deletions) as one change",
     1, 1, importFile},
};

}  // namespace

int runRegCommand(CommandContext& context, Args args) {
    return dispatch(context, "reg", kCommands, args);
}

}  // namespace vantix::cli
