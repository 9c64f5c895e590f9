#include "platform/profile/IniFileMapping.h"

#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && vantix::text::equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::optional<IniMapping> parseIniMapping(std::string_view text) {
    IniMapping mapping;
    text = vantix::text::trim(text);
    while (!text.empty() && std::string_view("!#@").find(text.front()) != std::string_view::npos) {
        if (text.front() == '!') mapping.alsoWriteFile = true;
        if (text.front() == '@') mapping.registryOnly = true;
        // '#' (copy the file's values on a user's first logon) has no meaning here.
        text.remove_prefix(1);
    }
    std::string_view rest;
    if (startsWithIgnoreCase(text, "USR:")) {
        mapping.root = Root::CurrentUser;
        rest = text.substr(4);
        mapping.key = std::string(rest);
    } else if (startsWithIgnoreCase(text, "SYS:")) {
        mapping.root = Root::LocalMachine;
        rest = text.substr(4);
        mapping.key = "Software\\" + std::string(rest);
    } else {
        return std::nullopt;
    }
    while (!mapping.key.empty() && mapping.key.back() == '\\') mapping.key.pop_back();
    return mapping;
}

}  // namespace vantix::platform
