#include "platform/component/ClassRegistration.h"

#include <vector>

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

std::string clsidKey(const Guid& clsid) {
    return "CLSID\\" + guidText(clsid);
}

// The nearest existing key at or above `subKey` and its last-write time.
struct KeptTime {
    std::string key;
    std::uint64_t time = 0;
};

std::string parentOf(const std::string& subKey) {
    const auto cut = subKey.rfind('\\');
    return cut == std::string::npos ? std::string() : subKey.substr(0, cut);
}

std::optional<KeptTime> existingAncestor(Registry& registry, std::string subKey) {
    while (true) {
        if (registry.keyExists(Root::ClassesRoot, subKey)) {
            const auto info = registry.keyInfo(Root::ClassesRoot, subKey);
            if (!info) return std::nullopt;
            return KeptTime{subKey, info->lastWriteTime};
        }
        if (subKey.empty()) return std::nullopt;
        subKey = parentOf(subKey);
    }
}

RegStatus restore(Registry& registry, const std::vector<KeptTime>& times) {
    for (const KeptTime& kept : times)
        if (registry.keyExists(Root::ClassesRoot, kept.key))
            if (RegStatus status = registry.setKeyTime(Root::ClassesRoot, kept.key, kept.time);
                !status)
                return status;
    return RegStatus::ok();
}

void keep(Registry& registry, std::vector<KeptTime>& times, const std::string& subKey) {
    if (auto kept = existingAncestor(registry, subKey)) times.push_back(*kept);
}

// Deletes the named values of `subKey`, then the key when nothing is left in it.
RegStatus removeOwned(Registry& registry, const std::string& subKey,
                      const std::vector<std::string>& names) {
    if (!registry.keyExists(Root::ClassesRoot, subKey)) return RegStatus::ok();
    for (const std::string& name : names) {
        if (!registry.getValue(Root::ClassesRoot, subKey, name)) continue;
        if (RegStatus status = registry.deleteValue(Root::ClassesRoot, subKey, name); !status)
            return status;
    }
    const auto info = registry.keyInfo(Root::ClassesRoot, subKey);
    if (info && info->subKeyCount == 0 && info->valueCount == 0)
        return registry.deleteKey(Root::ClassesRoot, subKey);
    return RegStatus::ok();
}

}  // namespace

RegStatus registerClass(Registry& registry, const ClassEntry& entry, const fs::path& server) {
    const std::string key = clsidKey(entry.clsid);
    const std::string progIdKey = entry.progId + "\\CLSID";
    return registry.batch([&]() -> RegStatus {
        std::vector<KeptTime> times;
        keep(registry, times, parentOf(key));
        keep(registry, times, key);
        keep(registry, times, key + "\\InprocServer32");
        keep(registry, times, key + "\\ProgID");
        keep(registry, times, entry.progId);
        keep(registry, times, progIdKey);
        const std::pair<std::string, RegValue> writes[] = {
            {key, RegValue::string("", entry.className)},
            {key + "\\InprocServer32", RegValue::string("", server.string())},
            {key + "\\InprocServer32", RegValue::string("ThreadingModel", "Apartment")},
            {key + "\\ProgID", RegValue::string("", entry.progId)},
            {progIdKey, RegValue::string("", guidText(entry.clsid))},
        };
        for (const auto& [subKey, value] : writes)
            if (RegStatus status = registry.setValue(Root::ClassesRoot, subKey, value); !status)
                return status;
        return restore(registry, times);
    });
}

RegStatus unregisterClass(Registry& registry, const ClassEntry& entry) {
    const std::string key = clsidKey(entry.clsid);
    return registry.batch([&]() -> RegStatus {
        std::vector<KeptTime> times;
        keep(registry, times, parentOf(parentOf(key)));
        keep(registry, times, parentOf(key));
        keep(registry, times, parentOf(entry.progId));
        // Children first, so that each key is empty when its turn comes.
        const std::pair<std::string, std::vector<std::string>> owned[] = {
            {key + "\\InprocServer32", {"", "ThreadingModel"}},
            {key + "\\ProgID", {""}},
            {key, {""}},
            {entry.progId + "\\CLSID", {""}},
            {entry.progId, {}},
            // Made by the first registration on an image that had no classes at all.
            {parentOf(key), {}},
        };
        for (const auto& [subKey, names] : owned)
            if (RegStatus status = removeOwned(registry, subKey, names); !status) return status;
        return restore(registry, times);
    });
}

ServerLookup findServer(Registry& registry, const Guid& clsid) {
    const std::string key = clsidKey(clsid) + "\\InprocServer32";
    const auto value = registry.getValue(Root::ClassesRoot, key, "");
    if (!value || value->text().empty())
        return {std::nullopt,
                "the class " + guidText(clsid) +
                    " is not registered in the machine image (no HKEY_CLASSES_ROOT\\" + key + ")"};
    const fs::path server = value->text();
    std::error_code error;
    if (!fs::is_regular_file(server, error))
        return {std::nullopt, "the library registered for the class " + guidText(clsid) + ", " +
                                  server.string() + ", does not exist"};
    return {server, {}};
}

}  // namespace vantix::platform
