#include "platform/registry/KeyResolution.h"

#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"

namespace vantix::platform::reg {

std::size_t utf16Length(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80) n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

std::string keyPath(const HiveKey& key) {
    if (!key.parent) return {};
    std::string parent = keyPath(*key.parent);
    return parent.empty() ? key.name : parent + "\\" + key.name;
}

bool splitPath(std::string_view path, std::vector<std::string>& out) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) return true;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('\\', start);
        const std::string_view part =
            path.substr(start, end == std::string_view::npos ? end : end - start);
        if (part.empty()) return false;
        out.emplace_back(part);
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

bool locate(Root root, std::string_view subKey, Location& loc, RegStatus& st) {
    std::vector<std::string> parts;
    if (!splitPath(subKey, parts)) {
        st = status(RegStatus::InvalidArgument,
                    "empty key name in path \"" + std::string(subKey) + "\"");
        return false;
    }
    switch (root) {
        case Root::LocalMachine:
            loc.hive = SystemHive;
            break;
        case Root::ClassesRoot:
            loc.hive = SystemHive;
            loc.components = {"Software", "Classes"};
            break;
        case Root::CurrentConfig:
            loc.hive = SystemHive;
            loc.components = {"System", "CurrentControlSet", "Hardware Profiles", "Current"};
            break;
        case Root::CurrentUser:
            loc.hive = UserHive;
            break;
        case Root::Users:
            if (parts.empty()) {
                loc.virtualRoot = true;
                return true;
            }
            if (vantix::text::equalsIgnoreCase(parts.front(), kDefaultUser))
                loc.hive = DefaultUserHive;
            else if (vantix::text::equalsIgnoreCase(parts.front(), kUserSid))
                loc.hive = UserHive;
            else {
                st = status(RegStatus::NotFound,
                            "HKEY_USERS holds only .Default and " + std::string(kUserSid));
                return false;
            }
            parts.erase(parts.begin());
            break;
        case Root::PerformanceData:
        case Root::DynData:
            if (!parts.empty()) {
                st = status(RegStatus::NotFound, std::string(rootName(root)) + " is empty");
                return false;
            }
            loc.virtualRoot = true;
            return true;
    }
    loc.components.insert(loc.components.end(), std::make_move_iterator(parts.begin()),
                          std::make_move_iterator(parts.end()));
    return true;
}

bool linkTarget(HiveKey& link, int& hive, std::vector<std::string>& components) {
    const HiveValue* v = link.value("symboliclinkvalue");
    if (!v || v->data.size() % 2) return false;
    const std::string target = vantix::text::toUtf8(unitsOf(v->data));
    static constexpr std::array<std::pair<std::string_view, int>, 3> kPrefixes{{
        {"\\registry\\machine", SystemHive},
        {"\\registry\\user\\s-1-5-21-0-0-0-1000", UserHive},
        {"\\registry\\user\\.default", DefaultUserHive},
    }};
    for (const auto& [prefix, id] : kPrefixes) {
        if (target.size() < prefix.size() ||
            !vantix::text::equalsIgnoreCase(target.substr(0, prefix.size()), prefix))
            continue;
        std::string_view rest = std::string_view(target).substr(prefix.size());
        if (!rest.empty() && rest.front() != '\\') continue;
        if (!rest.empty()) rest.remove_prefix(1);
        components.clear();
        if (!splitPath(rest, components)) return false;
        hive = id;
        return true;
    }
    return false;
}

HiveKey* walk(HiveSource& source, int& hive, std::vector<std::string> components, Missing missing,
              FinalLink finalLink, RegStatus& st) {
    for (std::size_t hops = 0;; ++hops) {
        Hive* tree = source.hiveFor(hive, components, st);
        if (!tree) return nullptr;
        HiveKey* key = tree->root.get();
        bool redirected = false;
        for (std::size_t i = 0; i < components.size(); ++i) {
            std::string folded = vantix::text::foldCase(components[i]);
            HiveKey* next = key->child(folded);
            if (!next) {
                if (missing == Missing::Fail) {
                    st = status(RegStatus::NotFound, "key not found: " + components[i]);
                    return nullptr;
                }
                if (utf16Length(components[i]) > kMaxNewKeyNameUnits) {
                    st = status(RegStatus::InvalidArgument, "key name longer than 255 characters");
                    return nullptr;
                }
                next = &source.createChild(hive, *key, components[i], std::move(folded));
            }
            key = next;
            if (key->isLink && (i + 1 < components.size() || finalLink == FinalLink::Follow)) {
                std::vector<std::string> target;
                int targetHive = NoHive;
                if (hops >= kMaxLinkHops || !linkTarget(*key, targetHive, target)) {
                    st = status(RegStatus::NotFound, "link " + keyPath(*key) + " leads nowhere");
                    return nullptr;
                }
                target.insert(
                    target.end(),
                    std::make_move_iterator(components.begin() + static_cast<long>(i) + 1),
                    std::make_move_iterator(components.end()));
                components = std::move(target);
                hive = targetHive;
                redirected = true;
                break;
            }
        }
        if (!redirected) return key;
    }
}

}  // namespace vantix::platform::reg
