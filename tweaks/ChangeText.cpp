#include "tweaks/ChangeText.h"

#include <cstdio>
#include <sstream>

#include "tweaks/ApplyEffect.h"

namespace vantix::tweaks {

namespace {

std::string rootedKey(const platform::RegistryChange& change) {
    return rootedKeyName(change.hive, change.key);
}

const char* typeName(std::uint32_t type) {
    switch (type) {
        case platform::regtype::Sz:
            return "REG_SZ";
        case platform::regtype::ExpandSz:
            return "REG_EXPAND_SZ";
        case platform::regtype::Binary:
            return "REG_BINARY";
        case platform::regtype::Dword:
            return "REG_DWORD";
        case platform::regtype::MultiSz:
            return "REG_MULTI_SZ";
        default:
            return "REG_NONE";
    }
}

std::vector<std::string> linesOf(const std::optional<std::string>& content) {
    std::vector<std::string> lines;
    if (!content) return lines;
    std::string line;
    for (char c : *content) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The changed middle of a file: what lies between the common first and last lines.
void describeWrite(const platform::FileChange& change, std::vector<std::string>& out) {
    const auto before = linesOf(change.before);
    const auto after = linesOf(change.after);
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (!change.before)
        out.push_back("file " + change.path.string() + ": created");
    else if (!change.after)
        out.push_back("file " + change.path.string() + ": removed");
    for (std::size_t i = head; i < before.size() - tail; ++i)
        out.push_back("  " + change.path.string() + " line " + std::to_string(i + 1) +
                      " before: " + before[i]);
    for (std::size_t i = head; i < after.size() - tail; ++i)
        out.push_back("  " + change.path.string() + " line " + std::to_string(i + 1) +
                      " after:  " + after[i]);
}

}  // namespace

std::string describeValue(const platform::RegValue& value) {
    std::ostringstream out;
    out << typeName(value.type) << " ";
    if (value.type == platform::regtype::Dword && value.data.size() == 4) {
        const std::uint32_t n = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                static_cast<std::uint32_t>(value.data[3]) << 24;
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08x", n);
        out << n << " (" << hex << ")";
    } else if (value.type == platform::regtype::Sz || value.type == platform::regtype::ExpandSz) {
        out << "\"" << value.text() << "\"";
    } else {
        char pair[4];
        for (std::size_t i = 0; i < value.data.size(); ++i) {
            std::snprintf(pair, sizeof pair, i ? " %02X" : "%02X", value.data[i]);
            out << pair;
        }
    }
    return out.str();
}

std::vector<std::string> describeChanges(const std::vector<RecordedChange>& changes) {
    std::vector<std::string> out;
    for (const auto& change : changes) {
        if (const auto& r = change.registry) {
            using K = platform::RegistryChange;
            switch (r->kind) {
                case K::SetValue:
                case K::DeleteValue: {
                    const std::string name = r->before  ? r->before->name
                                             : r->after ? r->after->name
                                                        : "";
                    out.push_back("registry " + rootedKey(*r) + " \"" + name +
                                  "\": " + (r->before ? describeValue(*r->before) : "absent") +
                                  " -> " + (r->after ? describeValue(*r->after) : "absent"));
                    break;
                }
                case K::CreateKey:
                    out.push_back("registry " + rootedKey(*r) + ": key created");
                    break;
                case K::DeleteKey:
                    out.push_back("registry " + rootedKey(*r) + ": key deleted");
                    break;
                case K::RenameKey:
                    out.push_back("registry " + rootedKey(*r) + ": key renamed to " + r->newName);
                    break;
                case K::SetKeyTime:
                    break;
            }
        }
        if (const auto& f = change.file) {
            const auto& c = f->change;
            switch (c.kind) {
                case platform::FileChange::Write:
                    describeWrite(c, out);
                    break;
                case platform::FileChange::Copy:
                    out.push_back("file copy " + c.source.string() + " -> " + c.path.string() +
                                  (f->before.front().content ? " (replacing it)" : ""));
                    break;
                case platform::FileChange::Delete:
                    out.push_back("file delete " + c.path.string());
                    break;
                case platform::FileChange::Rename:
                    out.push_back("file rename " + c.source.string() + " -> " + c.path.string());
                    break;
                case platform::FileChange::Attributes:
                    if (f->before.front().content && f->before.front().attributes != c.attributes) {
                        char attrs[32];
                        std::snprintf(attrs, sizeof attrs, "0x%02x -> 0x%02x",
                                      f->before.front().attributes, c.attributes);
                        out.push_back("file attributes " + c.path.string() + ": " + attrs);
                    }
                    break;
            }
        }
    }
    return out;
}

}  // namespace vantix::tweaks
